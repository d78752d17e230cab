#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "browser/FilePattern.h"
#include "browser/FolderReader.h"
#include "browser/NaturalOrder.h"
#include "support/TempDir.h"

namespace {

QStringList list(std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* n : names) out.append(QString::fromUtf8(n));
    return out;
}

TEST(NaturalOrderTest, NumbersByValueThenLettersWithoutRegardToCase) {
    const struct { QStringList given, sorted; } cases[] = {
        {list({"track10.mp3", "Track2.mp3", "track1.mp3", "b.wav", "A.wav", "Track 3.mp3"}),
         list({"A.wav", "b.wav", "Track 3.mp3", "track1.mp3", "Track2.mp3", "track10.mp3"})},
        {list({"b", "10", "a2", "a007", "a10", "9", "a1b", "歌2", "歌10", "a 1"}),
         list({"9", "10", "a 1", "a1b", "a2", "a007", "a10", "b", "歌2", "歌10"})},
        // Names equal but for case keep a fixed order, whatever came first.
        {list({"song.mp3", "SONG.mp3"}), list({"SONG.mp3", "song.mp3"})},
        {list({"SONG.mp3", "song.mp3"}), list({"SONG.mp3", "song.mp3"})},
    };
    for (const auto& c : cases) {
        QStringList names = c.given;
        NaturalOrder::sort(names);
        EXPECT_EQ(names, c.sorted) << c.given.join(u'|').toStdString();
    }
}

// Hidden entries, a link to a file and a broken link; a removed folder, a file and no path list nothing.
TEST(FolderReaderTest, ListsSortedWithoutHiddenEntries) {
    TempDir dir;
    for (const char* name : {"Rock", "pop", "Album 10", "Album 9", ".cache"}) dir.makeDir(QString::fromUtf8(name));
    for (const char* name : {"b.mp3", "A.MP3", "c.wav", "notes.txt", ".hidden.mp3"})
        dir.writeFile(QString::fromUtf8(name), "x");
    ASSERT_TRUE(QFile::link(dir.path(QStringLiteral("b.mp3")), dir.path(QStringLiteral("link.mp3"))));
    ASSERT_TRUE(QFile::link(dir.path(QStringLiteral("gone.mp3")), dir.path(QStringLiteral("broken.mp3"))));
    EXPECT_EQ(FolderReader::subfolders(dir.path()), list({"Album 9", "Album 10", "pop", "Rock"}));
    const struct { const char* pattern; QStringList names; } cases[] = {
        {"*.*", list({"A.MP3", "b.mp3", "c.wav", "link.mp3", "notes.txt"})},
        {"*.mp3;*.wav", list({"A.MP3", "b.mp3", "c.wav", "link.mp3"})},
        {"*.mid", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderReader::files(dir.path(), FilePattern(QString::fromUtf8(c.pattern))), c.names) << c.pattern;
    ASSERT_TRUE(QDir(dir.path(QStringLiteral("Rock"))).removeRecursively());
    for (const QString& path : {dir.path(QStringLiteral("Rock")), dir.path(QStringLiteral("c.wav")), QString()}) {
        EXPECT_FALSE(FolderReader::canShow(path)) << path.toStdString();
        EXPECT_FALSE(FolderReader::subfolders(path).has_value()) << path.toStdString();
        EXPECT_FALSE(FolderReader::files(path, FilePattern()).has_value()) << path.toStdString();
    }
}

}  // namespace
