#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>

#include "MediaGen.h"
#include "support/TempDir.h"

namespace {

// The player inherits the test program's environment: its offscreen platform, its fake audio sink and its data
// folder, where the option file is already in place, so the player goes straight to the song.
TEST(PlayerProcess, EchoStatusPrintsTheStartAndTheEndOfTheSong) {
    TempDir dir;
    const QString song = dir.path(QStringLiteral("song.wav"));
    ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{1000, 22050, 1}));
    QProcess player;
    player.start(QStringLiteral(CORVANE_PLAYER_PATH), {QStringLiteral("--echo-status"), song});
    ASSERT_TRUE(player.waitForStarted(10000)) << player.errorString().toStdString();

    const QString finished = QStringLiteral("播放完畢!..(song)");
    QString output;
    const QDeadlineTimer deadline(30000);
    while (!output.contains(finished) && !deadline.hasExpired() && player.state() == QProcess::Running) {
        player.waitForReadyRead(200);
        output += QString::fromUtf8(player.readAllStandardOutput());
    }
    player.kill();
    player.waitForFinished(5000);
    output += QString::fromUtf8(player.readAllStandardOutput());

    const QStringList lines = output.split(u'\n');
    const qsizetype started = lines.indexOf(QStringLiteral("播放中...(song)"));
    const qsizetype ended = lines.indexOf(finished);
    EXPECT_GE(started, 0) << output.toStdString();
    EXPECT_GT(ended, started) << output.toStdString();
}

}  // namespace
