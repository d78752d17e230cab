// The real file system behind the renamer: a rename never replaces a file.
#include <gtest/gtest.h>

#include "platform/qt/QtFileOperations.h"
#include "support/QStringPrinter.h"
#include "support/TempDir.h"

namespace {

using namespace Qt::StringLiterals;

TEST(QtFileOperations, RenameMovesAFileButNeverOverAnotherOne) {
    TempDir dir;
    QtFileOperations files;
    const QString a = dir.writeFile(u"a"_s, "A");
    const QString b = dir.writeFile(u"b"_s, "B");
    EXPECT_FALSE(files.rename(a, b));
    EXPECT_EQ(readWholeFile(b), QByteArray("B"));
    EXPECT_TRUE(files.rename(a, dir.path(u"c"_s)));
    EXPECT_FALSE(files.exists(a));
    EXPECT_EQ(readWholeFile(dir.path(u"c"_s)), QByteArray("A"));
    EXPECT_FALSE(files.rename(dir.path(u"missing"_s), dir.path(u"d"_s)));
}

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

}  // namespace
