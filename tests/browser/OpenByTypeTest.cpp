#include <gtest/gtest.h>

#include "browser/OpenByType.h"
#include "support/TempDir.h"

namespace {

TEST(OpenByTypeTest, GroupsByLowerCaseExtensionAndOnlyFilesThatExist) {
    TempDir dir;
    const struct {
        const char* name;
        OpenGroup group;
    } cases[] = {
        {"Song.MP3", OpenGroup::Media}, {"a.wav", OpenGroup::Media},     {"a.mid", OpenGroup::Media},
        {"a.MIDI", OpenGroup::Media},   {"a.wma", OpenGroup::Media},     {"list.m3u", OpenGroup::Playlist},
        {"a.pls", OpenGroup::Playlist}, {"playlist.ini", OpenGroup::Playlist}, {"noext", OpenGroup::Playlist},
        {"a.jpg", OpenGroup::Picture},  {"a.JPEG", OpenGroup::Picture},  {"a.txt", OpenGroup::Text},
        {"a.lyr", OpenGroup::Text},     {"setup.exe", OpenGroup::Program}, {"a.ogg", OpenGroup::Other},
        {"a.mp3.bak", OpenGroup::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenByType::classify(dir.writeFile(QString::fromUtf8(c.name), "x")), c.group) << c.name;
    const QString folder = dir.makeDir(QStringLiteral("album.mp3"));
    for (const QString& path : {QString(), dir.path(QStringLiteral("gone.mp3")), folder})
        EXPECT_EQ(OpenByType::classify(path), OpenGroup::Missing) << path.toStdString();
}

}  // namespace
