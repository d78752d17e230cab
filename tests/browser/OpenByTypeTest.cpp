#include <gtest/gtest.h>

#include "browser/OpenByType.h"
#include "support/TempDir.h"

namespace {

TEST(OpenByTypeTest, GroupsByLowerCaseExtensionAndOnlyFilesThatExist) {
    TempDir dir;
    using enum OpenGroup;
    const struct { const char* name; OpenGroup group; } cases[] = {
        {"Song.MP3", Media}, {"a.wav", Media}, {"a.mid", Media}, {"a.MIDI", Media}, {"a.wma", Media},
        {"list.m3u", Playlist}, {"a.pls", Playlist}, {"playlist.ini", Playlist}, {"noext", Playlist},
        {"a.jpg", Picture}, {"a.JPEG", Picture}, {"a.txt", Text}, {"a.lyr", Text}, {"setup.exe", Program},
        {"a.ogg", Other}, {"a.mp3.bak", Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenByType::classify(dir.writeFile(QString::fromUtf8(c.name), "x")), c.group) << c.name;
    const QString folder = dir.makeDir(QStringLiteral("album.mp3"));
    for (const QString& path : {QString(), dir.path(QStringLiteral("gone.mp3")), folder})
        EXPECT_EQ(OpenByType::classify(path), Missing) << path.toStdString();
}

}  // namespace
