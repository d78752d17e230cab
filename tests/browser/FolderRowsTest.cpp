#include <gtest/gtest.h>

#include "browser/FolderRows.h"

namespace {

using namespace Qt::StringLiterals;

// Level rows run from -1 (the folder itself) up to the root, subfolders from 0; outside the list nothing.
TEST(FolderRowsTest, LevelRowsAtTheRootAndThreeLevelsDown) {
    const FolderRows root(u"/"_s, {u"etc"_s});
    const FolderRows deep(u"/home/user/Music/"_s, {u"Pop"_s, u"Rock"_s});
    EXPECT_EQ(root.levelCount(), 1);
    EXPECT_EQ(deep.levelCount(), 4) << "the root, two folders between and the folder itself";
    EXPECT_EQ(deep.ListCount(), 2) << "level rows are not counted";
    const struct { const FolderRows& rows; int index; const char *path, *shown; } cases[] = {
        {root, -1, "/", "/"}, {root, -2, "", ""}, {root, 0, "/etc", "etc"},  // one separator after the root
        {deep, -1, "/home/user/Music", "Music"}, {deep, -2, "/home/user", "user"}, {deep, -3, "/home", "home"},
        {deep, -4, "/", "/"}, {deep, -5, "", ""}, {deep, 0, "/home/user/Music/Pop", "Pop"},
        {deep, 1, "/home/user/Music/Rock", "Rock"}, {deep, 2, "", ""},
    };
    for (const auto& c : cases) {
        const std::string name = c.rows.path().toStdString() + " index " + std::to_string(c.index);
        EXPECT_EQ(c.rows.entry(c.index), QString::fromUtf8(c.path)) << name;
        EXPECT_EQ(c.rows.displayName(c.index), QString::fromUtf8(c.shown)) << name;
    }
    for (const char* given : {"/a/b/", "/a//b", "/a/./c/../b"})
        EXPECT_EQ(FolderRows::cleanFolder(QString::fromUtf8(given)), u"/a/b"_s) << given;
}

}  // namespace
