#include <gtest/gtest.h>

#include "browser/FolderRows.h"

namespace {

TEST(FolderRowsTest, LevelRowsOfANestedFolder) {
    const FolderRows rows(QStringLiteral("/home/user/Music"), {QStringLiteral("Pop"), QStringLiteral("Rock")});
    EXPECT_EQ(rows.levelCount(), 4) << "the root, two folders between and the folder itself";
    EXPECT_EQ(rows.ListCount(), 2) << "level rows are not counted";
    EXPECT_EQ(rows.rowCount(), 6);

    const struct {
        int index;
        const char* path;
        const char* shown;
    } cases[] = {
        {-1, "/home/user/Music", "Music"}, {-2, "/home/user", "user"}, {-3, "/home", "home"},
        {-4, "/", "/"},                    {-5, "", ""},               {0, "/home/user/Music/Pop", "Pop"},
        {1, "/home/user/Music/Rock", "Rock"}, {2, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rows.entry(c.index), QString::fromUtf8(c.path)) << "index " << c.index;
        EXPECT_EQ(rows.displayName(c.index), QString::fromUtf8(c.shown)) << "index " << c.index;
    }
}

TEST(FolderRowsTest, RootHasOneLevelAndNothingAbove) {
    const FolderRows rows(QStringLiteral("/"), {QStringLiteral("home")});
    EXPECT_EQ(rows.levelCount(), 1);
    EXPECT_EQ(rows.entry(-1), QStringLiteral("/"));
    EXPECT_TRUE(rows.entry(-2).isEmpty()) << "above a root there is no level";
    EXPECT_EQ(rows.entry(0), QStringLiteral("/home")) << "one separator after the root";
}

TEST(FolderRowsTest, ViewRowsMapToIndexes) {
    const FolderRows rows(QStringLiteral("/a/b"), {QStringLiteral("c")});
    // Rows top to bottom: "/", "/a", "/a/b", "/a/b/c".
    const int expected[] = {-3, -2, -1, 0};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(rows.indexOfRow(row), expected[row]) << "row " << row;
        EXPECT_EQ(rows.rowOfIndex(expected[row]), row) << "row " << row;
    }
}

TEST(FolderRowsTest, PathsAreCleaned) {
    const struct {
        const char* given;
        const char* clean;
    } cases[] = {
        {"/a/b/", "/a/b"}, {"/a//b", "/a/b"}, {"/a/./b/../c", "/a/c"}, {"/", "/"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderRows::cleanFolder(QString::fromUtf8(c.given)), QString::fromUtf8(c.clean)) << c.given;
    EXPECT_EQ(FolderRows(QStringLiteral("/a/b/"), {}).path(), QStringLiteral("/a/b"));
}

TEST(FolderRowsTest, ReReadKeepsLevels) {
    FolderRows rows(QStringLiteral("/a"), {QStringLiteral("x"), QStringLiteral("y")});
    rows.setSubfolders({QStringLiteral("y")});
    EXPECT_EQ(rows.levelCount(), 2);
    EXPECT_EQ(rows.ListCount(), 1);
    EXPECT_EQ(rows.entry(0), QStringLiteral("/a/y"));
}

TEST(FolderRowsTest, EmptyBeforeAFolderIsSet) {
    const FolderRows rows;
    EXPECT_TRUE(rows.path().isEmpty());
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_TRUE(rows.entry(-1).isEmpty());
}

}  // namespace
