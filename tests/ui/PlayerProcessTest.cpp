#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include "MediaGen.h"
#include "app/OptionFile.h"
#include "support/TempDir.h"

namespace {

TEST(PlayerProcess, EchoStatusPrintsTheStartAndTheEndOfTheSong) {
    TempDir dir;
    const QString song = dir.path(QStringLiteral("song.wav"));
    ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{1000, 22050, 1}));
    // An option file, which a first start would otherwise ask for, so the player goes straight to the song.
    const QString data = dir.makeDir(QStringLiteral("Corvane Player"));
    dir.makeDir(QStringLiteral("Corvane Player/Lyrics"));
    OptionValues options;
    options.initDir = dir.path();
    ASSERT_TRUE(OptionFile::write(data + QStringLiteral("/Option.ini"), options));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CORVANE_AUDIO_SINK"), QStringLiteral("fakesink sync=true"));
    env.insert(QStringLiteral("CORVANE_DATA_DIR"), data);
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    QProcess player;
    player.setProcessEnvironment(env);
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
