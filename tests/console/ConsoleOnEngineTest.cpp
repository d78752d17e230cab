#include <gtest/gtest.h>

#include <QTest>

#include "MediaGen.h"
#include "console/ConsoleRig.h"
#include "platform/mci/GstMciEngine.h"
#include "support/QStringPrinter.h"
#include "support/TempDir.h"

namespace {

// Sends one line as the user would and gives the logged value.
qint32 enter(CommandConsole& console, const QString& command) {
    console.txtCommand_Change(command);
    EXPECT_EQ(console.txtCommand_Enter(), CommandConsole::EnterResult::Sent) << command.toStdString();
    const QString line = console.log().section(u'\n', 0, 0);
    return line.section(QStringLiteral("傳回值是: "), 1).section(u' ', 0, 0).toInt();
}

}  // namespace

// The GStreamer engine answers the console as the player's own commands: a
// song opened with the automatic size plays, its position is logged in ms,
// its length matches the generated tone, and a speed command moves the
// shown position to the software clock.
TEST(ConsoleOnEngine, OpensPlaysAndReportsAGeneratedSong) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    FakeServices fakes;
    GstMciEngine engine{fakes.waveOut};
    ConsoleRig rig{&engine};
    TempDir dir;
    const QString song = dir.path(QStringLiteral("tone.wav"));
    ASSERT_TRUE(MediaGen::writeWave(song, MediaGen::Tone{2000, 44100, 2}));
    CommandConsole console{rig.parts};
    console.setAutoAdjustLen(true);

    EXPECT_EQ(enter(console, QStringLiteral("open \"%1\" alias ZELSong").arg(song)), 0);
    EXPECT_EQ(rig.fakes.mci.sent.size(), 0) << "the real engine got the command";
    EXPECT_EQ(enter(console, QStringLiteral("set ZELSong time format milliseconds")), 0);
    const qint32 length = enter(console, QStringLiteral("status ZELSong length"));
    EXPECT_NEAR(length, 2000, 30);
    EXPECT_EQ(enter(console, QStringLiteral("play ZELSong")), 0);
    qint32 position = 0;
    const bool moved = QTest::qWaitFor([&] {
        position = enter(console, QStringLiteral("status ZELSong position"));
        return position >= 200;
    }, 3000);
    EXPECT_TRUE(moved) << "position stayed at " << position;
    EXPECT_LE(position, 2000);

    rig.transport.position = position;
    EXPECT_EQ(enter(console, QStringLiteral("set ZELSong speed 2000")), 0);
    EXPECT_TRUE(rig.state.DoTimeAccumulate);
    EXPECT_EQ(rig.state.AccTimePos, position);
    EXPECT_EQ(enter(console, QStringLiteral("status ZELSong speed")), 2000);

    EXPECT_EQ(enter(console, QStringLiteral("close ZELSong")), 0);
    EXPECT_EQ(enter(console, QStringLiteral("status ZELSong mode")), MciError::InvalidDevice) << "closed";
}
