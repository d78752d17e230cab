#include <gtest/gtest.h>

#include <QFile>

#include "common/DataFolder.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "PlaybackRig.h"

namespace {

using namespace Qt::StringLiterals;

const QString kProgram = u"Corvane Audio Player"_s;
const QString kBuild = u" 2004 Quorvel \u03B5 Build 3311"_s;

TEST(SongStarted, OpensPlaysMeasuresAndShowsTheSong) {
    PlaybackRig rig;
    // 257 bytes over 16 ms: 128.5 bits per ms, shown rounded half to even.
    const QString path = rig.dir.writeFile(u"music/x.wav"_s, QByteArray(257, 'x'));
    rig.fakes.mci.answer(u"Status ZELSong length"_s, u"16"_s);
    rig.state.DoTimeAccumulate = true;
    rig.state.AccTimePos = 777;

    rig.player.SongStarted(path);

    EXPECT_EQ(rig.actions(), u"Close ZELSong | Open \""_s + path +
                                 u"\" Alias ZELSong | Set ZELSong time format milliseconds | Play ZELSong from 0"_s);
    EXPECT_FALSE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.state.AccTimePos, 0);
    EXPECT_EQ(rig.state.PSongLink, path);
    EXPECT_EQ(rig.state.PLyricLink, DataFolder::lyricsFolder() + u"x.lyr"_s);
    EXPECT_EQ(rig.state.PSongLenL, 16);
    EXPECT_EQ(rig.state.PSongLenS, u"0:00.01"_s);
    EXPECT_EQ(rig.timer.intervalMs(), 500);
    EXPECT_TRUE(rig.timer.isEnabled());
    EXPECT_DOUBLE_EQ(rig.display.timeBarScale(), 16 / 2000.0);
    EXPECT_EQ(rig.display.timeText(), u"0:00.00/0:00.01"_s);
    EXPECT_EQ(rig.display.qualityText(), u"128 Kbps"_s);
    EXPECT_EQ(rig.status.status(), u"播放中...(x)"_s);
    EXPECT_EQ(rig.state.VersionH, u"x - "_s);
    EXPECT_EQ(rig.caption.text, u"x - "_s + kProgram + kBuild);
    EXPECT_EQ(rig.state.FileHist[1], path);
}

TEST(SongStarted, TheBitRateOfAHugeFileDoesNotOverflow) {
    PlaybackRig rig;
    const QString path = rig.dir.writeFile(u"a.wav"_s, QByteArray());
    // Sparse, 2.4 billion bits: more than a 32-bit product can hold.
    ASSERT_TRUE(QFile(path).resize(300000000));
    rig.fakes.mci.answer(u"Status ZELSong length"_s, u"1000"_s);
    rig.player.SongStarted(path);
    EXPECT_EQ(rig.display.qualityText(), u"2400000 Kbps"_s);
}

TEST(SongStarted, AnUnplayableFileRunsOnWithNoLength) {
    PlaybackRig rig;
    const QString path = rig.dir.writeFile(u"broken.wav"_s, QByteArray("not audio"));
    rig.fakes.mci.answer(u"Open \""_s + path + u"\" Alias ZELSong"_s, QString(), 296);
    rig.player.SongStarted(path);
    EXPECT_EQ(rig.state.PSongLenS, u"0:00.00"_s);
    EXPECT_EQ(rig.display.qualityText(), u"0 Kbps"_s);
    EXPECT_DOUBLE_EQ(rig.display.timeBarScale(), 0.0);
    EXPECT_EQ(rig.status.status(), u"播放中...(broken)"_s);
    EXPECT_TRUE(rig.timer.isEnabled());
}

TEST(SongStarted, MissingFilesAndBlankPathsChangeNothingButTheStatus) {
    PlaybackRig rig;
    const QString playing = rig.startSong(u"playing.wav"_s, 100, 5000);
    const QString captionBefore = rig.caption.text;
    const struct {
        QString path;
        QString title;
    } cases[] = {
        {rig.dir.path(u"gone/Blue Sky.mp3"_s), u"Blue Sky"_s},
        {QString(), QString()},
        {u"   "_s, u"   "_s},
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
    // A path in quotes names the file inside.
    const QString quoted = u" \""_s + rig.dir.writeFile(u"Blue Sky.wav"_s, "x") + u"\" "_s;
    const struct {
        QString path;
        quint8 direction;
        QString caption;
    } cases[] = {
        {tagged, 0, u"A ~ B ~ C - "_s + kProgram + kBuild},
        {tagged, 1, u"A ~ B ~ C - "_s + kProgram + u" - "_s},
        {untagged, 0, u" - "_s + kProgram + kBuild},
        {quoted, 2, u"Blue Sky - "_s + kProgram + u" - "_s},
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
    RecordingLyricHook lyric;
    rig.context.lyric = &lyric;
    const QString a = rig.startSong(u"a.wav"_s, 10, 1000);
    rig.player.SongStarted(a);
    EXPECT_EQ(redraws, 1) << "the same song again changes nothing";
    EXPECT_TRUE(lyric.loads.empty()) << "the lyric section is closed";
    lyric.open = true;
    rig.startSong(u"b.wav"_s, 10, 1000);
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(lyric.loads, std::vector<qint32>{0});

    rig.player.mnuFileHist_Click(2);
    EXPECT_EQ(rig.state.PSongLink, a);
    rig.player.mnuFileHist_Click(5);  // never filled
    EXPECT_EQ(rig.status.status(), u"檔案不存在. ()"_s);
}

TEST(SongFinished, ClosesTheSongAndKeepsItForThePlayButton) {
    PlaybackRig rig;
    RecordingLyricHook lyric;
    rig.context.lyric = &lyric;
    const QString path = rig.startSong(u"Blue Sky.wav"_s, 10, 3000);
    rig.state.DoTimeAccumulate = true;
    rig.player.SongFinished();
    EXPECT_EQ(rig.timer.intervalMs(), 0);
    EXPECT_EQ(rig.actions(), u"Close ZELSong"_s);
    EXPECT_FALSE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(lyric.clears, 1);
    EXPECT_EQ(rig.status.status(), u"播放完畢!..(Blue Sky)"_s);
    EXPECT_EQ(rig.state.PSongLink, path);
}

// Playing from a new position the transport tests see; seeking only here.
TEST(MMSetNewPos, SeekingMovesTheDeviceAndTheSoftwareClock) {
    PlaybackRig rig;
    rig.startPlaying();
    rig.fakes.clock.setTime(QTime(1, 0, 0, 250));
    rig.player.MMSetNewPos(7000, true, false);
    EXPECT_EQ(rig.state.AccTimePos, 7000);
    EXPECT_DOUBLE_EQ(rig.state.AccLastTime, 3600250.0);
    EXPECT_EQ(rig.actions(), u"Seek ZELSong to 7000 | Pause ZELSong"_s);
}

}  // namespace
