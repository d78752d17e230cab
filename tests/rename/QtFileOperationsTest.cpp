// The real file system behind the renamer and the file commands: a rename
// never replaces a file, a replace never replaces a folder, a copy never
// lands on an existing name, only empty folders go.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/qt/QtFileOperations.h"
#include "support/QStringPrinter.h"
#include "support/TempDir.h"

namespace {

using namespace Qt::StringLiterals;

TEST(QtFileOperations, FileNameValidity) {
    TempDir dir;
    QtFileOperations files;
    const struct {
        QString name;
        bool valid;
    } cases[] = {
        {u"song.mp3"_s, true}, {u"歌 曲.mp3"_s, true}, {QString(), false}, {u"."_s, false}, {u".."_s, false},
        {u"a/b"_s, false},     {u"a"_s + QChar(0), false}, {QString(255, u'x'), true}, {QString(256, u'x'), false},
        {QString(100, u'歌'), false},  // 300 bytes once encoded
    };
    for (const auto& c : cases)
        EXPECT_EQ(files.isValidFileName(dir.path(), c.name), c.valid) << c.name.left(20).toStdString();
}

// Each step refuses what would lose something, and does the rest.
TEST(QtFileOperations, StepsRefuseWhatWouldLoseAFile) {
    TempDir dir;
    QtFileOperations files;
    const QString a = dir.writeFile(u"a"_s, "A");
    const QString b = dir.writeFile(u"b"_s, "B");
    const QString folder = dir.makeDir(u"f"_s);
    dir.writeFile(u"f/inside"_s, "x");
    const struct { const char* step; bool done; bool expected; } steps[] = {
        {"rename onto an existing file", files.rename(a, b), false},
        {"rename a missing file", files.rename(dir.path(u"missing"_s), dir.path(u"d"_s)), false},
        {"copy onto an existing file", files.copyFile(a, b), false},
        {"copy a folder", files.copyFile(folder, dir.path(u"g"_s)), false},
        {"copy to a new name", files.copyFile(a, dir.path(u"a2"_s)), true},
        {"replace a folder", files.replaceFile(a, folder), false},
        {"replace a file", files.replaceFile(dir.path(u"a2"_s), b), true},
        {"remove a folder as a file", files.removeFile(folder), false},
        {"remove a folder with a file in it", files.removeFolder(folder), false},
        {"make an existing folder", files.makeFolder(folder), false},
        {"make a new folder", files.makeFolder(dir.path(u"new"_s)), true},
        {"remove an empty folder", files.removeFolder(dir.path(u"new"_s)), true},
        {"rename to a new name", files.rename(a, dir.path(u"c"_s)), true},
    };
    for (const auto& s : steps) EXPECT_EQ(s.done, s.expected) << s.step;
    EXPECT_EQ(readWholeFile(b), QByteArray("A")) << "replaced by the copy of a";
    EXPECT_FALSE(QFile::exists(a)) << "renamed";
    EXPECT_EQ(readWholeFile(dir.path(u"c"_s)), QByteArray("A")) << "renamed";
    EXPECT_TRUE(QFile::exists(dir.path(u"f/inside"_s)));
}

// A link to a file is that file; one volume takes a rename; the trash is the one under the data home.
TEST(QtFileOperations, SameFileSameVolumeAndTheTrash) {
    TempDir dir, dataHome;
    QtFileOperations files;
    const QString a = dir.writeFile(u"a"_s, "A");
    const QString b = dir.writeFile(u"b"_s, "A");
    const QString link = dir.path(u"link"_s);
    ASSERT_TRUE(QFile::link(a, link));
    EXPECT_TRUE(files.sameFile(a, link));
    EXPECT_FALSE(files.sameFile(a, b)) << "equal bytes are not the same file";
    EXPECT_TRUE(files.sameFileSystem(a, dir.path()));
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    EXPECT_TRUE(files.canMoveToTrash(a));
    EXPECT_TRUE(files.moveToTrash(a));
    qputenv("XDG_DATA_HOME", before);
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_TRUE(QFile::exists(dataHome.path(u"Trash/files/a"_s)));
}

}  // namespace
