#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "common/TextFile.h"
#include "support/TempDir.h"

namespace {

TEST(TextFile, MissingFileIsReportedNotEmpty) {
    TempDir dir;
    const TextFile::ReadResult r = TextFile::read(dir.path(QStringLiteral("nothing.txt")));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
}

TEST(TextFile, WriteIntoAMissingFolderFailsAndCreatesNothing) {
    TempDir dir;
    const QString path = dir.path(QStringLiteral("no/such/folder/file.txt"));
    QString error;
    EXPECT_FALSE(TextFile::write(path, QStringLiteral("x"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(TextFile, WriteOntoAFolderFailsAndLeavesItAlone) {
    TempDir dir;
    const QString folderPath = dir.makeDir(QStringLiteral("a-folder"));
    dir.writeFile(QStringLiteral("a-folder/inside.txt"), "kept");
    EXPECT_FALSE(TextFile::write(folderPath, QStringLiteral("new")));
    EXPECT_TRUE(QFileInfo(folderPath).isDir());
    EXPECT_EQ(readWholeFile(folderPath + QStringLiteral("/inside.txt")), QByteArray("kept"));
}

TEST(TextFile, WriteReplacesWholeFile) {
    TempDir dir;
    const QString path = dir.writeFile(QStringLiteral("f.txt"), "a much longer old content\r\n");
    ASSERT_TRUE(TextFile::writeLines(path, {QStringLiteral("x")}));
    EXPECT_EQ(readWholeFile(path), QByteArray("x\r\n"));
}

}  // namespace
