#include <gtest/gtest.h>

#include "browser/FolderRows.h"

namespace {

using namespace Qt::StringLiterals;

TEST(FolderRowsTest, LevelRowsOfANestedFolder) {
    const FolderRows rows(u"/home/user/Music/"_s, {u"Pop"_s, u"Rock"_s});
    EXPECT_EQ(rows.path(), u"/home/user/Music"_s) << "the path is cleaned";
    EXPECT_EQ(rows.levelCount(), 4) << "the root, two folders between and the folder itself";
    EXPECT_EQ(rows.ListCount(), 2) << "level rows are not counted";
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

TEST(FolderRowsTest, PathsAreCleaned) {
    const struct {
        const char* given;
        const char* clean;
    } cases[] = {{"/a/b/", "/a/b"}, {"/a//b", "/a/b"}, {"/a/./b/../c", "/a/c"}, {"/", "/"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(FolderRows::cleanFolder(QString::fromUtf8(c.given)), QString::fromUtf8(c.clean)) << c.given;
}

}  // namespace
