#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "playlist/PlaylistEntries.h"
#include "playlist/SongFileIndex.h"
#include "support/TempDir.h"

namespace {

// A folder read whole must give the same answers as asking about each file,
// for every kind of entry a folder can hold.
TEST(SongFileIndexTest, FolderReadAgreesWithDirectLookups) {
    TempDir dir;
    for (const char* name : {"s0.mp3", "s3.mp3", ".hidden.mp3", "空白 名.mp3"}) dir.writeFile(name, "x");
    dir.makeDir("sub.mp3");
    QFile::link(dir.path("s0.mp3"), dir.path("link.mp3"));
    QFile::link(dir.path("gone.mp3"), dir.path("broken.mp3"));
    const QStringList names = {"s0.mp3",     ".hidden.mp3", "空白 名.mp3", "sub.mp3", "link.mp3",
                               "broken.mp3", "missing.mp3", "S0.MP3",      ""};
    PlaylistEntries entries;
    for (int i = 0; i < SongFileIndex::kListThreshold; ++i)
        for (const QString& name : names) entries.append(dir.path() + u'/' + name);
    for (const QString& odd : {dir.path() + "//s0.mp3", QChar(0) + dir.path("s0.mp3"), QString()}) entries.append(odd);
    const SongFileIndex index(entries, 0, entries.count() - 1);
    for (const QString& path : entries.paths()) {
        const bool expected = !path.contains(QChar(0)) && !path.isEmpty() && QFileInfo(path).isFile();
        EXPECT_EQ(index.isFile(path), expected) << path.toStdString();
    }
    EXPECT_TRUE(index.isFile(dir.path("s3.mp3"))) << "a file no entry names";
}

}  // namespace
