#include <gtest/gtest.h>

#include <QDir>

#include "common/DataFolder.h"
#include "support/QStringPrinter.h"

namespace {

// Sets an environment variable for one scope.
class EnvOverride {
public:
    EnvOverride(const char* name, const QByteArray& to) : name_(name), saved_(qgetenv(name)) { qputenv(name, to); }
    ~EnvOverride() { qputenv(name_, saved_); }

private:
    const char* name_;
    QByteArray saved_;
};

// The folder named by the environment, absolute and ending with a separator, or the one under the XDG data home;
// every file of the program lies inside it.
TEST(DataFolder, FollowsTheEnvironmentNormalisedOrUnderTheXdgDataHome) {
    const std::pair<QByteArray, QString> cases[] = {
        {"/tmp/data/", QStringLiteral("/tmp/data/")},
        {"relative/data", QDir::currentPath() + QStringLiteral("/relative/data/")},
        {"", QStringLiteral("/tmp/xdg-home/Corvane Player/")},
    };
    EnvOverride xdg("XDG_DATA_HOME", "/tmp/xdg-home");
    for (const auto& [value, root] : cases) {
        EnvOverride data("CORVANE_DATA_DIR", value);
        EXPECT_EQ(DataFolder::root(), root) << value.constData();
    }
    EnvOverride data("CORVANE_DATA_DIR", "/tmp/some where/Corvane Player");
    const QString root = QStringLiteral("/tmp/some where/Corvane Player/");
    EXPECT_EQ(DataFolder::root(), root);
    EXPECT_EQ(DataFolder::optionFile(), root + QStringLiteral("Option.ini"));
    EXPECT_EQ(DataFolder::backupFile(3), root + QStringLiteral("$BackUp3"));
    EXPECT_EQ(DataFolder::lyricFileFor(QStringLiteral("x")), root + QStringLiteral("Lyrics/x.lyr"));
    EXPECT_EQ(DataFolder::displayName(), QStringLiteral("/tmp/some where/Corvane Player"));
}

}  // namespace
