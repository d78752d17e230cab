#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "common/TextFile.h"
#include "support/TempDir.h"

namespace {

// The code page and BOM round trip through a file is checked with the playlist store's save and load.
TEST(TextFile, WriteReplacesTheWholeFileAndFailuresChangeNothing) {
    TempDir dir;
    const QString path = dir.writeFile(QStringLiteral("f.txt"), "a much longer old content\r\n");
    ASSERT_TRUE(TextFile::writeLines(path, {QStringLiteral("x")}));
    EXPECT_EQ(readWholeFile(path), QByteArray("x\r\n"));

    const TextFile::ReadResult missing = TextFile::read(dir.path(QStringLiteral("nothing.txt")));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.isEmpty());

    const QString noFolder = dir.path(QStringLiteral("no/such/folder/file.txt"));
    QString error;
    EXPECT_FALSE(TextFile::write(noFolder, QStringLiteral("x"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(noFolder));

    const QString folder = dir.makeDir(QStringLiteral("a-folder"));
    dir.writeFile(QStringLiteral("a-folder/inside.txt"), "kept");
    EXPECT_FALSE(TextFile::write(folder, QStringLiteral("new")));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(readWholeFile(folder + QStringLiteral("/inside.txt")), QByteArray("kept"));
}

}  // namespace
