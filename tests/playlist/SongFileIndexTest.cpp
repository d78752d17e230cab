#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "playlist/PlaylistEntries.h"
#include "playlist/SongFileIndex.h"
#include "support/TempDir.h"

namespace {

// Reading a folder whole must give the same answers as asking about each
// file, for every kind of entry a folder can hold.
TEST(SongFileIndexTest, FolderReadAgreesWithDirectLookups) {
    TempDir dir;
    for (const char* folder : {"many", "few"}) {
        const QString base = QString::fromLatin1(folder) + u'/';
        const int songs = QLatin1String(folder) == QLatin1String("many") ? SongFileIndex::kListThreshold : 1;
        for (int i = 0; i < songs; ++i) dir.writeFile(base + QStringLiteral("s%1.mp3").arg(i), "x");
        dir.writeFile(base + QStringLiteral(".hidden.mp3"), "x");
        dir.writeFile(base + QStringLiteral("空白 名.mp3"), "x");
        dir.makeDir(base + QStringLiteral("sub.mp3"));
        QFile::link(dir.path(base + QStringLiteral("s0.mp3")), dir.path(base + QStringLiteral("link.mp3")));
        QFile::link(dir.path(base + QStringLiteral("gone.mp3")), dir.path(base + QStringLiteral("broken.mp3")));
    }
    const QStringList names = {"s0.mp3",    ".hidden.mp3", "空白 名.mp3", "sub.mp3", "link.mp3",
                               "broken.mp3", "missing.mp3", "S0.MP3",      ""};
    PlaylistEntries entries;
    for (const char* folder : {"many", "few"})
        for (int i = 0; i < SongFileIndex::kListThreshold; ++i)
            for (const QString& name : names) entries.append(dir.path(QString::fromLatin1(folder)) + u'/' + name);
    entries.append(dir.path(QStringLiteral("many")) + QStringLiteral("//s1.mp3"));
    entries.append(QString(QChar(0)) + QStringLiteral("/s0.mp3"));
    entries.append(QString());
    const SongFileIndex index(entries, 0, entries.count() - 1);
    for (int i = 0; i < entries.count(); ++i) {
        const QString& path = entries.path(i);
        const bool expected = !path.contains(QChar(0)) && !path.isEmpty() && QFileInfo(path).isFile();
        EXPECT_EQ(index.isFile(path), expected) << path.toStdString();
    }
    EXPECT_TRUE(index.isFile(dir.path(QStringLiteral("many/s3.mp3"))));
    EXPECT_FALSE(index.isFile(dir.path(QStringLiteral("many/sub.mp3"))));
}

}  // namespace
