// The player on the desktop's bus: every MPRIS method and property against
// the real main window on a fake media engine, on a session bus the test
// starts itself, and the real playerctl on the same bus.
#include <gtest/gtest.h>

#include <QDBusObjectPath>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <memory>

#include "PrivateBus.h"
#include "app/AppState.h"
#include "app/PlayerAssembly.h"
#include "desktop/MprisService.h"
#include "playback/VolumeScale.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "ui/Frm_Main.h"

namespace {

using namespace Qt::StringLiterals;

// Counts PropertiesChanged of the player interface and keeps the last one.
class ChangeRecorder : public QObject {
    Q_OBJECT
public:
    int count = 0;
    QVariantMap last;

public slots:
    void changed(const QString& interface, const QVariantMap& properties, const QStringList&) {
        if (interface != PrivateBus::kPlayer) return;
        ++count;
        last = properties;
    }
};

// An ID3v1 record: "TAG", title, artist, album, year, comment, genre.
QByteArray tagRecord(const char* title, const char* artist, const char* album) {
    QByteArray record("TAG");
    for (const auto& [text, width] : {std::pair{title, 30}, {artist, 30}, {album, 30}, {"2004", 4}, {"", 30}})
        record += QByteArray(text).leftJustified(width, '\0', true);
    return record + char(255);
}

class Mpris : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.started()) << "dbus-daemon did not start";
        window = std::make_unique<Frm_Main>(fakes.services);
        window->show();
        service = std::make_unique<MprisService>(parts().transport(), parts().playlist(), window->windowControl(),
                                                 parts().songPlayer());
        ASSERT_TRUE(service->registerOn(bus.player()));
        fakes.mci.answer(u"Status ZELSong length"_s, u"60000"_s);
    }
    PlayerAssembly& parts() { return window->assembly(); }
    QString blueSky() { return dir.writeFile(u"Blue Sky.mp3"_s, QByteArray(4000, 'x') + tagRecord("Blue Sky", "Corvane Band", "Demo")); }
    void play(const QString& path) {
        setMode("playing");
        parts().songPlayer().SongStarted(path);
        fakes.mci.clear();
    }
    void setMode(const char* mode) { fakes.mci.answer(u"Status ZELSong mode"_s, QString::fromLatin1(mode)); }
    // Commands sent, without the status queries, joined by " | ".
    QString actions() const {
        QStringList list;
        for (const QString& c : fakes.mci.commands())
            if (!c.startsWith(QLatin1String("Status "))) list.append(c);
        return list.join(u" | "_s);
    }

    PrivateBus bus;
    FakeServices fakes;
    TempDir dir;
    std::unique_ptr<Frm_Main> window;
    std::unique_ptr<MprisService> service;
};

// Who the player is; Raise brings the window back; Quit answers at once and then closes as the close button
// does, through its question: No keeps the window, Yes closes it.
TEST_F(Mpris, RootNamesThePlayerRaisesItAndQuitsThroughTheCloseQuestion) {
    const std::pair<const char*, QVariant> properties[] = {
        {"Identity", u"Corvane Audio Player"_s}, {"DesktopEntry", u"corvane-player"_s},
        {"SupportedUriSchemes", QStringList{u"file"_s}}, {"CanQuit", true}, {"CanRaise", true},
    };
    for (const auto& [name, value] : properties)
        EXPECT_EQ(bus.property(PrivateBus::kRoot, QString::fromLatin1(name)), value) << name;
    EXPECT_TRUE(bus.property(PrivateBus::kRoot, u"SupportedMimeTypes"_s).toStringList().contains(u"audio/mpeg"_s));

    window->showMinimized();
    bus.call(PrivateBus::kRoot, u"Raise"_s);
    EXPECT_FALSE(window->isMinimized());

    parts().state().options.optCheck[OptCheck::ConfirmCloseWhilePlaying] = true;
    play(blueSky());
    for (const int answer : {MsgResult::No, MsgResult::Yes}) {
        fakes.dialogs.messages.clear();
        fakes.dialogs.messageAnswers = {answer};
        const QDBusMessage reply = bus.call(PrivateBus::kRoot, u"Quit"_s);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << answer;
        ASSERT_TRUE(QTest::qWaitFor([this] { return !fakes.dialogs.messages.isEmpty(); }, 3000)) << answer;
        EXPECT_EQ(fakes.dialogs.messages.first().text, u"確定要關閉程式?"_s);
        QTest::qWait(50);
        EXPECT_EQ(window->isVisible(), answer == MsgResult::No) << answer;
    }
}

// Each method does what the transport's own button does, in each state of the device.
TEST_F(Mpris, PlayerMethodsAreTheTransportsOwnCommands) {
    play(blueSky());
    fakes.mci.answer(u"Status ZELSong position"_s, u"5000"_s);
    const QVariant track = bus.property(PrivateBus::kPlayer, u"Metadata"_s).toMap().value(u"mpris:trackid"_s);
    const QDBusObjectPath other(u"/org/corvane/Player/Track/99"_s);
    const struct { const char *name, *mode, *method; QVariantList args; const char* commands; } cases[] = {
        {"Pause while playing", "playing", "Pause", {}, "Pause ZELSong"},
        {"Pause while paused", "paused", "Pause", {}, ""},
        {"PlayPause while playing", "playing", "PlayPause", {}, "Pause ZELSong"},
        {"PlayPause while paused", "paused", "PlayPause", {}, "Play ZELSong"},
        {"Play while playing", "playing", "Play", {}, ""},
        {"Stop", "playing", "Stop", {}, "Stop ZELSong"},
        {"Seek 10 s on from 5 s", "playing", "Seek", {qlonglong(10'000'000)}, "Play ZELSong from 15000"},
        {"Seek past the end", "playing", "Seek", {qlonglong(100'000'000)}, "Play ZELSong from 60000"},
        {"SetPosition 20 s", "playing", "SetPosition", {track, qlonglong(20'000'000)}, "Play ZELSong from 20000"},
        {"SetPosition of another track", "playing", "SetPosition", {QVariant::fromValue(other), qlonglong(1)}, ""},
        {"SetPosition past the end", "playing", "SetPosition", {track, qlonglong(61'000'000)}, ""},
        {"Next without the playlist", "playing", "Next", {}, ""},
        {"Previous without the playlist", "playing", "Previous", {}, ""},
    };
    for (const auto& c : cases) {
        setMode(c.mode);
        fakes.mci.clear();
        const QDBusMessage reply = bus.call(PrivateBus::kPlayer, QString::fromLatin1(c.method), c.args);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << c.name << ": " << reply.errorMessage().toStdString();
        EXPECT_EQ(actions(), QString::fromLatin1(c.commands)) << c.name;
    }
    const QString other_song = dir.writeFile(u"A440 Tone.wav"_s, "RIFF");
    fakes.mci.clear();
    bus.call(PrivateBus::kPlayer, u"OpenUri"_s, {QUrl::fromLocalFile(other_song).toString()});
    EXPECT_EQ(parts().state().PSongLink, other_song) << "a file:// address plays as the command line does";
    bus.call(PrivateBus::kPlayer, u"OpenUri"_s, {u"http://example.invalid/a.mp3"_s});
    EXPECT_EQ(parts().state().PSongLink, other_song) << "other addresses are not opened";
}

// The song's tag, or its file title; its state and position; volume and rate set through the properties; next
// and previous only while the playlist plays.
TEST_F(Mpris, PropertiesReadTheSongAndSetVolumeAndRate) {
    EXPECT_EQ(bus.property(PrivateBus::kPlayer, u"PlaybackStatus"_s).toString(), u"Stopped"_s);
    EXPECT_EQ(bus.property(PrivateBus::kPlayer, u"CanPlay"_s), QVariant(false)) << "no song yet";
    const QString song = blueSky();
    play(song);
    fakes.mci.answer(u"Status ZELSong position"_s, u"5000"_s);
    const QVariantMap tagged = bus.property(PrivateBus::kPlayer, u"Metadata"_s).toMap();
    EXPECT_EQ(tagged.value(u"xesam:title"_s).toString(), u"Blue Sky"_s);
    EXPECT_EQ(tagged.value(u"xesam:artist"_s).toStringList(), QStringList{u"Corvane Band"_s});
    EXPECT_EQ(tagged.value(u"xesam:album"_s).toString(), u"Demo"_s);
    EXPECT_EQ(tagged.value(u"mpris:length"_s).toLongLong(), 60'000'000);
    EXPECT_EQ(tagged.value(u"xesam:url"_s).toString(), QUrl::fromLocalFile(song).toString());
    EXPECT_EQ(bus.property(PrivateBus::kPlayer, u"Position"_s).toLongLong(), 5'000'000);
    const struct { const char *mode, *status; } modes[] = {{"playing", "Playing"}, {"paused", "Paused"}, {"stopped", "Stopped"}};
    for (const auto& m : modes) {
        setMode(m.mode);
        EXPECT_EQ(bus.property(PrivateBus::kPlayer, u"PlaybackStatus"_s).toString(), QString::fromLatin1(m.status));
    }
    play(dir.writeFile(u"A440 Tone.wav"_s, "RIFF"));
    EXPECT_EQ(bus.property(PrivateBus::kPlayer, u"Metadata"_s).toMap().value(u"xesam:title"_s).toString(),
              u"A440 Tone"_s) << "no tag: the file title";

    ASSERT_TRUE(bus.setProperty(PrivateBus::kPlayer, u"Volume"_s, 0.5));
    EXPECT_EQ(fakes.waveOut.volume(), VolumeScale::levelFromUnits(500));
    EXPECT_DOUBLE_EQ(bus.property(PrivateBus::kPlayer, u"Volume"_s).toDouble(), 0.5);
    fakes.mci.clear();
    ASSERT_TRUE(bus.setProperty(PrivateBus::kPlayer, u"Rate"_s, 0.0));
    EXPECT_EQ(actions(), QString()) << "a rate of 0 is refused";
    ASSERT_TRUE(bus.setProperty(PrivateBus::kPlayer, u"Rate"_s, 2.0));
    EXPECT_TRUE(actions().startsWith(u"Set ZELSong speed 2000"_s)) << actions().toStdString();

    EXPECT_EQ(bus.property(PrivateBus::kPlayer, u"CanGoNext"_s), QVariant(false));
    parts().playlist().addPaths({song, song});
    parts().playlist().Start(1);
    EXPECT_EQ(bus.property(PrivateBus::kPlayer, u"CanGoNext"_s), QVariant(true));
}

// A song start, a stop and a volume change are signalled with what changed; a tick of the position is not.
TEST_F(Mpris, ChangesAreSignalledButNotTheTicks) {
    ChangeRecorder recorder;
    ASSERT_TRUE(bus.caller().connect(QString(), QLatin1String(MprisService::kObjectPath),
                                     u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s, &recorder,
                                     SLOT(changed(QString, QVariantMap, QStringList))));
    const auto next = [&recorder](int count) { return QTest::qWaitFor([&] { return recorder.count >= count; }, 3000); };
    play(blueSky());
    ASSERT_TRUE(next(1)) << "song start";
    EXPECT_EQ(recorder.last.value(u"PlaybackStatus"_s).toString(), u"Playing"_s);
    EXPECT_TRUE(recorder.last.contains(u"Metadata"_s));
    parts().transport().MMTimer_Timer();
    QTest::qWait(200);
    EXPECT_EQ(recorder.count, 1) << "a tick is no change";
    parts().transport().setVolume(250);
    ASSERT_TRUE(next(2)) << "volume";
    EXPECT_DOUBLE_EQ(recorder.last.value(u"Volume"_s).toDouble(), 0.25);
    EXPECT_FALSE(recorder.last.contains(u"Metadata"_s)) << "only what changed";
    setMode("stopped");
    parts().transport().stop();
    ASSERT_TRUE(next(3)) << "stop";
    EXPECT_EQ(recorder.last.value(u"PlaybackStatus"_s).toString(), u"Stopped"_s);
}

// playerctl, the desktop's own client, on a player whose two-entry playlist plays.
TEST_F(Mpris, PlayerctlDrivesARunningPlayer) {
    const QString playerctl = QStandardPaths::findExecutable(u"playerctl"_s);
    ASSERT_FALSE(playerctl.isEmpty()) << "playerctl is installed by make deps";
    const QString song = blueSky();
    setMode("");
    parts().playlist().addPaths({song, dir.writeFile(u"A440 Tone.wav"_s, "RIFF")});
    parts().playlist().Start(1);
    setMode("playing");
    fakes.mci.answer(u"Status ZELSong position"_s, u"5000"_s);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, bus.address());
    const struct { QStringList args; const char *output, *commands; } cases[] = {
        {{u"status"_s}, "Playing", ""},
        {{u"metadata"_s, u"title"_s}, "Blue Sky", ""},
        {{u"play-pause"_s}, "", "Pause ZELSong"},
        {{u"position"_s, u"1"_s}, "", "Play ZELSong from 1000"},
        {{u"next"_s}, "", "Stop ZELSong"},  // the playlist's next-now stops the song; its tick starts the next
    };
    for (const auto& c : cases) {
        fakes.mci.clear();
        QProcess client;
        client.setProcessEnvironment(env);
        client.start(playerctl, QStringList{u"-p"_s, u"corvane"_s} + c.args);
        const std::string name = c.args.join(u' ').toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&client] { return client.state() == QProcess::NotRunning; }, 10000)) << name;
        EXPECT_EQ(client.exitCode(), 0) << name << ": " << client.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(client.readAllStandardOutput()).trimmed(), QString::fromUtf8(c.output)) << name;
        EXPECT_EQ(actions(), QString::fromLatin1(c.commands)) << name;
    }
}

}  // namespace

#include "MprisTest.moc"
