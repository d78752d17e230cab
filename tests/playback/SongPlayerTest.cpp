#include <gtest/gtest.h>

#include <QFile>

#include "common/DataFolder.h"
#include "common/PathText.h"
#include "id3/Id3Tag.h"
#include "PlaybackRig.h"

namespace {

const QString kProgram = QStringLiteral("Corvane Audio Player");
const QString kBuild = QStringLiteral(" 2004 Quorvel \u03B5 Build 3311");

TEST(SongStarted, OpensPlaysMeasuresAndShowsTheSong) {
    PlaybackRig rig;
    // 255 bytes over 16 ms: 127.5 bits per ms, shown rounded half to even.
    const QString path = rig.dir.writeFile(QStringLiteral("music/x.wav"), QByteArray(255, 'x'));
    rig.fakes.mci.answer(QStringLiteral("Status ZELSong length"), QStringLiteral("16"));
    rig.state.DoTimeAccumulate = true;
    rig.state.AccTimePos = 777;

    rig.player.SongStarted(path);

    EXPECT_EQ(rig.fakes.mci.commands(),
              (QStringList{QStringLiteral("Close ZELSong"), QStringLiteral("Open \"") + path + QStringLiteral("\" Alias ZELSong"),
                           QStringLiteral("Set ZELSong time format milliseconds"), QStringLiteral("Play ZELSong from 0"),
                           QStringLiteral("Status ZELSong length")}));
    EXPECT_EQ(rig.media.MMDefaultAlias(), QStringLiteral("ZELSong"));
    EXPECT_FALSE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.state.AccTimePos, 0);
    EXPECT_EQ(rig.state.PSongLink, path);
    EXPECT_EQ(rig.state.PLyricLink, DataFolder::lyricsFolder() + QStringLiteral("x.lyr"));
    EXPECT_EQ(rig.state.PSongLenL, 16);
    EXPECT_EQ(rig.state.PSongLenS, QStringLiteral("0:00.01"));
    EXPECT_EQ(rig.timer.intervalMs(), 500);
    EXPECT_TRUE(rig.timer.isEnabled());
    EXPECT_DOUBLE_EQ(rig.display.timeBarScale(), 16 / 2000.0);
    EXPECT_EQ(rig.display.timeText(), QStringLiteral("0:00.00/0:00.01"));
    EXPECT_EQ(rig.display.qualityText(), QStringLiteral("128 Kbps"));
    EXPECT_EQ(rig.status.status(), QStringLiteral("播放中...(x)"));
    EXPECT_EQ(rig.state.VersionH, QStringLiteral("x - "));
    EXPECT_EQ(rig.caption.text, QStringLiteral("x - ") + kProgram + kBuild);
    EXPECT_EQ(rig.state.FileHist[1], path);
}

TEST(SongStarted, BitRateRoundsHalfToEvenAndNeverOverflows) {
    const struct {
        qint64 size;
        qint32 lengthMs;
        const char* text;
    } cases[] = {
        {257, 16, "128 Kbps"},  // 128.5
        {16000, 1000, "128 Kbps"},
        {100, 0, "0 Kbps"},     // the engine could not measure it
        // 2.4 billion bits: more than a 32-bit product can hold.
        {300000000, 1000, "2400000 Kbps"},
    };
    for (const auto& c : cases) {
        PlaybackRig rig;
        const QString path = rig.dir.writeFile(QStringLiteral("a.wav"), QByteArray());
        QFile file(path);
        ASSERT_TRUE(file.resize(c.size)) << c.size;  // sparse: no real bytes needed
        rig.fakes.mci.answer(QStringLiteral("Status ZELSong length"), QString::number(c.lengthMs));
        rig.player.SongStarted(path);
        EXPECT_EQ(rig.display.qualityText(), QString::fromUtf8(c.text)) << c.size << " bytes";
    }
}

TEST(SongStarted, AnUnplayableFileRunsOnWithNoLength) {
    PlaybackRig rig;
    const QString path = rig.dir.writeFile(QStringLiteral("broken.wav"), QByteArray("not audio"));
    rig.fakes.mci.answer(QStringLiteral("Open \"") + path + QStringLiteral("\" Alias ZELSong"), QString(), 296);
    rig.player.SongStarted(path);
    EXPECT_EQ(rig.state.PSongLenS, QStringLiteral("0:00.00"));
    EXPECT_EQ(rig.display.qualityText(), QStringLiteral("0 Kbps"));
    EXPECT_DOUBLE_EQ(rig.display.timeBarScale(), 0.0);
    EXPECT_EQ(rig.status.status(), QStringLiteral("播放中...(broken)"));
    EXPECT_TRUE(rig.timer.isEnabled());
}

TEST(SongStarted, MissingFilesAndBlankPathsChangeNothingButTheStatus) {
    PlaybackRig rig;
    const QString playing = rig.startSong(QStringLiteral("playing.wav"), 100, 5000);
    const QString captionBefore = rig.caption.text;
    const struct {
        QString path;
        QString status;
    } cases[] = {
        {rig.dir.path(QStringLiteral("gone/Blue Sky.mp3")), QStringLiteral("檔案不存在. (Blue Sky)")},
        {QString(), QStringLiteral("檔案不存在. ()")},
        {QStringLiteral("   "), QStringLiteral("檔案不存在. (   )")},
        // A folder is not a song.
        {rig.dir.path(), QStringLiteral("檔案不存在. (") + GetFileTitle(rig.dir.path()) + QStringLiteral(")")},
    };
    for (const auto& c : cases) {
        rig.player.SongStarted(c.path);
        EXPECT_EQ(rig.status.status(), c.status) << c.path.toStdString();
    }
    EXPECT_TRUE(rig.fakes.mci.sent.isEmpty()) << rig.fakes.mci.commands().join(u'\n').toStdString();
    EXPECT_EQ(rig.state.PSongLink, playing);
    EXPECT_EQ(rig.caption.text, captionBefore);
    EXPECT_TRUE(rig.timer.isEnabled());
}

TEST(SongStarted, APathInQuotesNamesTheFileInside) {
    PlaybackRig rig;
    const QString path = rig.dir.writeFile(QStringLiteral("Blue Sky.wav"), QByteArray(10, 'x'));
    rig.player.SongStarted(QStringLiteral(" \"") + path + QStringLiteral("\" "));
    EXPECT_EQ(rig.state.PSongLink, path);
    EXPECT_EQ(rig.status.status(), QStringLiteral("播放中...(Blue Sky)"));
}

TEST(SongStarted, MP3TitleComesFromTheTag) {
    PlaybackRig rig;
    const QString tagged = rig.dir.writeFile(QStringLiteral("t.mp3"), QByteArray(1000, '\x55'));
    ASSERT_TRUE(WriteID3Tag(rig.fakes.dialogs, Id3::Append, tagged, QStringLiteral("A"), QStringLiteral("B"),
                            QStringLiteral("C"), QString(), QString(), 0));
    const QString untagged = rig.dir.writeFile(QStringLiteral("plain.MP3"), QByteArray(1000, '\x55'));
    const QString wave = rig.dir.writeFile(QStringLiteral("Blue Sky.wav"), QByteArray(1000, '\x55'));
    const struct {
        QString path;
        quint8 direction;
        QString caption;
    } cases[] = {
        {tagged, 0, QStringLiteral("A ~ B ~ C - ") + kProgram + kBuild},
        {tagged, 1, QStringLiteral("A ~ B ~ C - ") + kProgram + QStringLiteral(" - ")},
        {tagged, 3, QStringLiteral("A ~ B ~ C - ") + kProgram + QStringLiteral(" - ")},
        {untagged, 0, QStringLiteral(" - ") + kProgram + kBuild},
        {wave, 2, QStringLiteral("Blue Sky - ") + kProgram + QStringLiteral(" - ")},
    };
    for (const auto& c : cases) {
        rig.state.TitleDirection = c.direction;
        rig.player.SongStarted(c.path);
        EXPECT_EQ(rig.caption.text, c.caption) << c.path.toStdString() << " direction " << int(c.direction);
    }
    EXPECT_TRUE(rig.fakes.dialogs.messages.isEmpty());
}

TEST(SongStarted, RecentFilesFillTheMenuOnlyWhenTheyChange) {
    PlaybackRig rig;
    int redraws = 0;
    rig.player.onFileHistChanged = [&] { ++redraws; };
    const QString a = rig.startSong(QStringLiteral("a.wav"), 10, 1000);
    rig.player.SongStarted(a);
    EXPECT_EQ(redraws, 1);
    const QString b = rig.startSong(QStringLiteral("b.wav"), 10, 1000);
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(rig.state.FileHist[1], b);
    EXPECT_EQ(rig.state.FileHist[2], a);

    rig.player.mnuFileHist_Click(2);
    EXPECT_EQ(rig.state.PSongLink, a);
    rig.player.mnuFileHist_Click(5);  // never filled
    EXPECT_EQ(rig.status.status(), QStringLiteral("檔案不存在. ()"));
}

TEST(SongStarted, TheLyricIsLoadedOnlyWhileItsSectionIsOpen) {
    PlaybackRig rig;
    rig.startSong(QStringLiteral("a.wav"), 10, 1000);  // no lyric section: nothing to call
    RecordingLyricHook lyric;
    rig.context.lyric = &lyric;
    rig.startSong(QStringLiteral("b.wav"), 10, 1000);
    EXPECT_TRUE(lyric.loads.empty());
    lyric.open = true;
    rig.startSong(QStringLiteral("c.wav"), 10, 1000);
    EXPECT_EQ(lyric.loads, std::vector<qint32>{0});
}

TEST(SongFinished, ClosesTheSongAndKeepsItForThePlayButton) {
    PlaybackRig rig;
    RecordingLyricHook lyric;
    rig.context.lyric = &lyric;
    const QString path = rig.startSong(QStringLiteral("Blue Sky.wav"), 10, 3000);
    rig.state.DoTimeAccumulate = true;
    rig.player.SongFinished();
    EXPECT_EQ(rig.timer.intervalMs(), 0);
    EXPECT_FALSE(rig.timer.isEnabled());
    EXPECT_EQ(rig.fakes.mci.commands(), QStringList{QStringLiteral("Close ZELSong")});
    EXPECT_FALSE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(lyric.clears, 1);
    EXPECT_EQ(rig.status.status(), QStringLiteral("播放完畢!..(Blue Sky)"));
    EXPECT_EQ(rig.state.PSongLink, path);
    EXPECT_EQ(rig.state.PSongLenL, 3000);
    EXPECT_EQ(rig.state.PSongLenS, QStringLiteral("0:03.00"));
}

TEST(MMSetNewPos, MovesTheSoftwareClockAndOptionallyTheDevice) {
    PlaybackRig rig;
    rig.startSong(QStringLiteral("a.wav"), 10, 60000);
    rig.fakes.clock.setTime(QTime(1, 0, 0, 250));
    const double now = 3600250.0;
    const struct {
        qint32 pos;
        bool seek;
        bool play;
        qint32 accTimePos;
        QStringList commands;
    } cases[] = {
        {5000, false, false, 5000, {}},
        {-1, false, true, 5000, {QStringLiteral("Play ZELSong from 5000")}},
        {7000, true, false, 7000, {QStringLiteral("Seek ZELSong to 7000"), QStringLiteral("Pause ZELSong")}},
        {0, false, true, 0, {QStringLiteral("Play ZELSong from 0")}},
    };
    for (const auto& c : cases) {
        rig.fakes.mci.clear();
        rig.state.AccLastTime = 0;
        rig.player.MMSetNewPos(c.pos, c.seek, c.play);
        EXPECT_EQ(rig.state.AccTimePos, c.accTimePos) << "pos " << c.pos;
        EXPECT_DOUBLE_EQ(rig.state.AccLastTime, now) << "pos " << c.pos;
        EXPECT_EQ(rig.fakes.mci.commands(), c.commands) << "pos " << c.pos;
    }
}

}  // namespace
