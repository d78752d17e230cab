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

TEST(NaturalOrderTest, SortsAsAFileManager) {
    QStringList names = list({"track10.mp3", "Track2.mp3", "track1.mp3", "b.wav", "A.wav", "Track 3.mp3"});
    NaturalOrder::sort(names);
    EXPECT_EQ(names, list({"A.wav", "b.wav", "Track 3.mp3", "track1.mp3", "Track2.mp3", "track10.mp3"}))
        << names.join(u'|').toStdString();
}

TEST(NaturalOrderTest, NumbersByValueBeforeLetters) {
    QStringList names = list({"b", "10", "a2", "a007", "a10", "9", "a1b", "歌2", "歌10", "a 1"});
    NaturalOrder::sort(names);
    EXPECT_EQ(names, list({"9", "10", "a 1", "a1b", "a2", "a007", "a10", "b", "歌2", "歌10"}))
        << names.join(u'|').toStdString();
}

TEST(NaturalOrderTest, NamesEqualButForCaseKeepAFixedOrder) {
    QStringList one = list({"song.mp3", "SONG.mp3"});
    QStringList two = list({"SONG.mp3", "song.mp3"});
    NaturalOrder::sort(one);
    NaturalOrder::sort(two);
    EXPECT_EQ(one, two);
}

class FolderReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dir.makeDir(QStringLiteral("Rock"));
        dir.makeDir(QStringLiteral("pop"));
        dir.makeDir(QStringLiteral("Album 10"));
        dir.makeDir(QStringLiteral("Album 9"));
        dir.makeDir(QStringLiteral(".cache"));
        for (const char* name : {"b.mp3", "A.MP3", "c.wav", "notes.txt", ".hidden.mp3"})
            dir.writeFile(QString::fromUtf8(name), "x");
    }
    TempDir dir;
};

TEST_F(FolderReaderTest, SubfoldersSortedWithoutHiddenOnes) {
    const auto folders = FolderReader::subfolders(dir.path());
    ASSERT_TRUE(folders.has_value());
    EXPECT_EQ(*folders, list({"Album 9", "Album 10", "pop", "Rock"})) << folders->join(u'|').toStdString();
}

TEST_F(FolderReaderTest, FilesByPattern) {
    const struct {
        const char* pattern;
        QStringList names;
    } cases[] = {
        {"*.*", list({"A.MP3", "b.mp3", "c.wav", "notes.txt"})},
        {"*.mp3", list({"A.MP3", "b.mp3"})},
        {"*.mp3;*.wav", list({"A.MP3", "b.mp3", "c.wav"})},
        {"*.mid", {}},
    };
    for (const auto& c : cases) {
        const auto files = FolderReader::files(dir.path(), FilePattern(QString::fromUtf8(c.pattern)));
        ASSERT_TRUE(files.has_value()) << c.pattern;
        EXPECT_EQ(*files, c.names) << c.pattern << ": " << files->join(u'|').toStdString();
    }
}

TEST_F(FolderReaderTest, LinksToFilesAreFilesAndBrokenLinksAreLeftOut) {
    ASSERT_TRUE(QFile::link(dir.path(QStringLiteral("b.mp3")), dir.path(QStringLiteral("link.mp3"))));
    ASSERT_TRUE(QFile::link(dir.path(QStringLiteral("gone.mp3")), dir.path(QStringLiteral("broken.mp3"))));
    const auto files = FolderReader::files(dir.path(), FilePattern(QStringLiteral("*.mp3")));
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(*files, list({"A.MP3", "b.mp3", "link.mp3"}));
}

TEST_F(FolderReaderTest, WhatCannotBeListedGivesNothing) {
    const QString removed = dir.makeDir(QStringLiteral("removed"));
    ASSERT_TRUE(QDir(removed).removeRecursively());
    const QString file = dir.path(QStringLiteral("notes.txt"));
    for (const QString& path : {removed, file, QString()}) {
        EXPECT_FALSE(FolderReader::canShow(path)) << path.toStdString();
        EXPECT_FALSE(FolderReader::subfolders(path).has_value()) << path.toStdString();
        EXPECT_FALSE(FolderReader::files(path, FilePattern()).has_value()) << path.toStdString();
    }
}

TEST_F(FolderReaderTest, EmptyFolderIsAnEmptyList) {
    const QString empty = dir.makeDir(QStringLiteral("empty"));
    const auto files = FolderReader::files(empty, FilePattern());
    ASSERT_TRUE(files.has_value());
    EXPECT_TRUE(files->isEmpty());
}

}  // namespace
