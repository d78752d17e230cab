#include <gtest/gtest.h>

#include "common/DataFolder.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "PlaybackRig.h"

namespace {

using namespace Qt::StringLiterals;

const QString kProgram = u"Corvane Audio Player"_s;
const QString kBuild = u" 2004 Quorvel \u03B5 Build 3311"_s;

TEST(SongStarted, OpensPlaysAndNamesTheSong) {
    PlaybackRig rig;
    const QString path = rig.dir.writeFile(u"music/x.wav"_s, "x");
    rig.state.DoTimeAccumulate = true;
    rig.state.AccTimePos = 777;
    rig.player.SongStarted(path);
    EXPECT_EQ(rig.actions(), u"Close ZELSong | Open \""_s + path +
                                 u"\" Alias ZELSong | Set ZELSong time format milliseconds | Play ZELSong from 0"_s);
    EXPECT_FALSE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.state.AccTimePos, 0);
    EXPECT_EQ(rig.state.PSongLink, path);
    EXPECT_EQ(rig.state.PLyricLink, DataFolder::lyricsFolder() + u"x.lyr"_s);
    EXPECT_EQ(rig.timer.intervalMs(), 500);
    EXPECT_EQ(rig.caption.text, u"x - "_s + kProgram + kBuild);
    EXPECT_EQ(rig.state.FileHist[1], path);
}

// The bit rate rounds half to even (257 bytes over 16 ms are 128.5 bits a ms), a huge file does not overflow
// a 32-bit product, and a file the engine cannot open plays on without a length.
TEST(SongStarted, LengthAndBitRate) {
    const struct { const char* name; qint64 bytes; qint32 lengthMs; int openError; const char *quality, *length; }
    cases[] = {
        {"x.wav", 257, 16, 0, "128 Kbps", "0:00.01"},
        {"huge.wav", 300000000, 1000, 0, "2400000 Kbps", "0:01.00"},
        {"broken.wav", 9, 0, 296, "0 Kbps", "0:00.00"},
    };
    for (const auto& c : cases) {
        PlaybackRig rig;
        const QString path = rig.dir.writeFile(QString::fromUtf8(c.name), QByteArray());
        ASSERT_TRUE(QFile(path).resize(c.bytes)) << c.name;
        if (c.openError) rig.fakes.mci.answer(u"Open \""_s + path + u"\" Alias ZELSong"_s, QString(), c.openError);
        else rig.fakes.mci.answer(u"Status ZELSong length"_s, QString::number(c.lengthMs));
        rig.player.SongStarted(path);
        EXPECT_EQ(rig.display.qualityText(), QString::fromUtf8(c.quality)) << c.name;
        EXPECT_EQ(rig.state.PSongLenS, QString::fromUtf8(c.length)) << c.name;
        EXPECT_EQ(rig.display.timeText(), u"0:00.00/"_s + QString::fromUtf8(c.length)) << c.name;
        EXPECT_DOUBLE_EQ(rig.display.timeBarScale(), c.lengthMs / 2000.0) << c.name;
        EXPECT_EQ(rig.status.status(), u"播放中...("_s + GetFileTitle(path) + u")"_s) << c.name;
        EXPECT_TRUE(rig.timer.isEnabled()) << c.name;
    }
}

TEST(SongStarted, AMissingFileOnlySaysSoAndThePlayingSongGoesOn) {
    PlaybackRig rig;
    const QString playing = rig.startSong(u"playing.wav"_s, 100, 5000);
    const QString captionBefore = rig.caption.text;
    const struct { QString path, title; } cases[] = {
        {rig.dir.path(u"gone/Blue Sky.mp3"_s), u"Blue Sky"_s}, {QString(), QString()}, {u"   "_s, u"   "_s},
        {rig.dir.path(), GetFileTitle(rig.dir.path())},  // a folder is not a song
    };
    for (const auto& c : cases) {
        rig.player.SongStarted(c.path);
        EXPECT_EQ(rig.status.status(), u"檔案不存在. ("_s + c.title + u")"_s) << c.path.toStdString();
    }
    EXPECT_TRUE(rig.fakes.mci.sent.isEmpty()) << rig.fakes.mci.commands().join(u'\n').toStdString();
    EXPECT_EQ(rig.state.PSongLink, playing);
    EXPECT_EQ(rig.caption.text, captionBefore);
    EXPECT_TRUE(rig.timer.isEnabled());
}

TEST(SongStarted, TheCaptionNamesTheSongByItsTagOrItsFile) {
    PlaybackRig rig;
    const QString tagged = rig.dir.writeFile(u"t.mp3"_s, QByteArray(1000, '\x55'));
    ASSERT_TRUE(WriteID3Tag(rig.fakes.dialogs, Id3::Append, tagged, u"A"_s, u"B"_s, u"C"_s, QString(), QString(), 0));
    const QString untagged = rig.dir.writeFile(u"plain.MP3"_s, QByteArray(1000, '\x55'));
    const QString quoted = u" \""_s + rig.dir.writeFile(u"Blue Sky.wav"_s, "x") + u"\" "_s;  // names the file inside
    const struct { QString path; quint8 direction; QString caption; } cases[] = {
        {tagged, 0, u"A ~ B ~ C - "_s + kProgram + kBuild},    {tagged, 1, u"A ~ B ~ C - "_s + kProgram + u" - "_s},
        {untagged, 0, u" - "_s + kProgram + kBuild},          {quoted, 2, u"Blue Sky - "_s + kProgram + u" - "_s},
    };
    for (const auto& c : cases) {
        rig.state.TitleDirection = c.direction;
        rig.player.SongStarted(c.path);
        EXPECT_EQ(rig.caption.text, c.caption) << c.path.toStdString() << " direction " << int(c.direction);
    }
    EXPECT_TRUE(rig.fakes.dialogs.messages.isEmpty());
}

TEST(SongStarted, RecentFilesAndTheLyricFollowEachStart) {
    PlaybackRig rig;
    int redraws = 0;
    rig.player.onFileHistChanged = [&] { ++redraws; };
    const QString a = rig.startSong(u"a.wav"_s, 10, 1000);
    rig.player.SongStarted(a);
    EXPECT_EQ(redraws, 1) << "the same song again changes nothing";
    EXPECT_TRUE(rig.lyric.loads.empty()) << "the lyric section is closed";
    rig.lyric.open = true;
    rig.startSong(u"b.wav"_s, 10, 1000);
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(rig.lyric.loads, std::vector<qint32>{0});
    rig.player.mnuFileHist_Click(2);
    EXPECT_EQ(rig.state.PSongLink, a);
    rig.player.mnuFileHist_Click(5);  // never filled
    EXPECT_EQ(rig.status.status(), u"檔案不存在. ()"_s);
}

}  // namespace
