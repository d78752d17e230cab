#include <gtest/gtest.h>

#include <QDir>

#include "common/DataFolder.h"

namespace {

// Restores CORVANE_DATA_DIR after a test changes it.
class DataDirOverride {
public:
    explicit DataDirOverride(const QByteArray& value) : saved_(qgetenv("CORVANE_DATA_DIR")) {
        qputenv("CORVANE_DATA_DIR", value);
    }
    ~DataDirOverride() { qputenv("CORVANE_DATA_DIR", saved_); }

private:
    QByteArray saved_;
};

TEST(DataFolder, FollowsTheEnvironmentAndEndsWithASeparator) {
    DataDirOverride data("/tmp/some where/Corvane Player");
    EXPECT_EQ(DataFolder::root(), QStringLiteral("/tmp/some where/Corvane Player/"));
    EXPECT_EQ(DataFolder::optionFile(), QStringLiteral("/tmp/some where/Corvane Player/Option.ini"));
    EXPECT_EQ(DataFolder::backupFile(3), QStringLiteral("/tmp/some where/Corvane Player/$BackUp3"));
    EXPECT_EQ(DataFolder::lyricFileFor(QStringLiteral("x")),
              QStringLiteral("/tmp/some where/Corvane Player/Lyrics/x.lyr"));
    EXPECT_EQ(DataFolder::displayName(), QStringLiteral("/tmp/some where/Corvane Player"));
}

TEST(DataFolder, TrailingSeparatorAndRelativePathsAreNormalised) {
    {
        DataDirOverride data("/tmp/data/");
        EXPECT_EQ(DataFolder::root(), QStringLiteral("/tmp/data/"));
    }
    {
        DataDirOverride data("relative/data");
        EXPECT_EQ(DataFolder::root(), QDir::currentPath() + QStringLiteral("/relative/data/"));
    }
}

TEST(DataFolder, DefaultsUnderTheXdgDataHome) {
    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/xdg-home");
    {
        DataDirOverride data("");
        EXPECT_EQ(DataFolder::root(), QStringLiteral("/tmp/xdg-home/Corvane Player/"));
    }
    qputenv("XDG_DATA_HOME", savedXdg);
}

}  // namespace
