#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "MediaGen.h"
#include "common/IntervalTimer.h"
#include "id3/Frm_ID3Tag.h"
#include "platform/mci/GstMciEngine.h"
#include "playback/LyricHook.h"
#include "playback/PlaybackContext.h"
#include "playback/SongPlayer.h"
#include "playback/TransportController.h"
#include "playback/TransportListeners.h"
#include "playback/TransportModel.h"
#include "support/QStringPrinter.h"
#include "TagEditorRig.h"

namespace {

template <typename W>
W* child(QWidget& window, const QString& name) {
    W* widget = window.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// The window over faked seams: keys and clicks reach the editor and the
// model's changes reach the controls.
struct WindowRig : TagEditorRig {
    Frm_ID3Tag window{{fakes.dialogs, fakes.clipboard, fakes.clock, state},
                      {browser, playlist, transport, media, caption, status}};
};

TEST(Frm_ID3Tag, KeysSaveCloseOrStepAndCountersTurnRed) {
    WindowRig rig;
    for (const char* name : {"a.mp3", "b.mp3"}) rig.song(QString::fromLatin1(name), QStringLiteral("t"));
    rig.browser.folder = rig.dir.path();
    rig.window.editor().Form_Activate();
    auto* files = child<QListWidget>(rig.window, QStringLiteral("File1"));
    ASSERT_EQ(files->count(), 2);
    files->setCurrentRow(0);
    EXPECT_EQ(rig.window.windowTitle(), QStringLiteral("MP3 ID3 TAG 1 標籤修改器 v1.4 [a 己載入] (13:30:00)"));
    auto* title = child<QLineEdit>(rig.window, QStringLiteral("txtInput(0)"));
    auto* counter = child<QLabel>(rig.window, QStringLiteral("lblInputLen(0)"));
    // Typing as an input method delivers it: the whole text at once.
    title->setText(QStringLiteral("一二三四五六七八九十一二三四五六"));
    emit title->textEdited(title->text());
    EXPECT_EQ(counter->text(), QStringLiteral("32"));
    EXPECT_EQ(counter->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_EQ(rig.messages().value(0).right(5), QStringLiteral("錯誤碼:0"));
    title->setText(QStringLiteral("first"));
    emit title->textEdited(title->text());
    EXPECT_EQ(counter->palette().color(QPalette::WindowText), QColor(Qt::black));
    QTest::keyClick(title, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(files->currentRow(), 1) << "saved and stepped down";
    EXPECT_EQ(ReadID3Tag(rig.fakes.dialogs, rig.dir.path(QStringLiteral("a.mp3")), 1), QStringLiteral("first"));
    rig.window.show();
    QTest::keyClick(title, Qt::Key_Enter, Qt::ControlModifier);
    EXPECT_FALSE(rig.window.isVisible()) << "saved and closed";
}

TEST(Frm_ID3Tag, GenreListAndCaptionClicks) {
    WindowRig rig;
    auto* genres = child<QComboBox>(rig.window, QStringLiteral("ComGender"));
    auto* number = child<QLabel>(rig.window, QStringLiteral("lblGenderNo"));
    ASSERT_EQ(genres->count(), 149);
    rig.fakes.dialogs.inputAnswers.push_back(QStringLiteral("13"));
    QTest::mouseClick(child<QLabel>(rig.window, QStringLiteral("lblInput(5)")), Qt::LeftButton);
    EXPECT_EQ(genres->currentText(), QStringLiteral("Pop"));
    EXPECT_EQ(number->text(), QStringLiteral("13"));
    QTest::mouseClick(child<QLabel>(rig.window, QStringLiteral("lblInput(5)")), Qt::RightButton);
    EXPECT_EQ(genres->currentIndex(), 148);
    EXPECT_EQ(number->text(), QStringLiteral("255"));
    auto* album = child<QLineEdit>(rig.window, QStringLiteral("txtInput(2)"));
    QTest::keyClicks(album, QStringLiteral("  Sky "));
    QTest::mouseClick(child<QLabel>(rig.window, QStringLiteral("lblInput(2)")), Qt::LeftButton);
    EXPECT_EQ(album->text(), QStringLiteral("Sky"));
    QTest::mouseClick(child<QLabel>(rig.window, QStringLiteral("imgCopytxtInput(2)")), Qt::LeftButton);
    EXPECT_EQ(rig.fakes.clipboard.text(), QStringLiteral("Sky"));
}

// The real engine plays a 4-second MP3; saving its tag at about 2 s closes
// and reopens it, and it plays on from where it stood.
TEST(RealEngine, SavingThePlayingSongResumesItWhereItStood) {
    if (!GstMciEngine::available()) GTEST_SKIP() << "GStreamer cannot make a player here";
    FakeServices fakes;
    SystemClock clock;
    GstMciEngine engine{fakes.waveOut};
    AppState state;
    MultiMedia media{engine};
    RecordingStatusLine status;
    FakeCaption caption;
    TransportModel display;
    IntervalTimer timer;
    NullLyricHook lyric;
    TransportListeners listeners;
    PlaybackContext context{state, fakes.dialogs, clock, fakes.waveOut, media, status, caption, display, timer,
                            lyric, listeners};
    SongPlayer player{context};
    FakePlaylistAccess playlist;
    TransportController transport{context, player, playlist};
    FakeBrowser browser;
    TempDir dir;
    const QString song = dir.path(QStringLiteral("Blue Sky.mp3"));
    const MediaGen::EncodeResult made = MediaGen::encodeMp3(song, MediaGen::Mp3Song{MediaGen::Tone{4000}});
    ASSERT_TRUE(made.ok) << made.error.toStdString();
    browser.folder = dir.path();

    player.SongStarted(song);
    ASSERT_TRUE(QTest::qWaitFor([&] { return transport.positionMs() >= 2000; }, 5000)) << transport.positionMs();
    {
        Frm_ID3Tag window({fakes.dialogs, fakes.clipboard, clock, state},
                          {browser, playlist, transport, media, caption, status});
        EXPECT_EQ(window.model().currentLink(), song) << "the song now loaded opens first";
        const QString texts[] = {QStringLiteral("藍天"), QStringLiteral("Ann"), QStringLiteral("Sky")};
        for (int i = 0; i < 3; ++i) child<QLineEdit>(window, QStringLiteral("txtInput(%1)").arg(i))->setText(texts[i]);
        for (int i = 0; i < 3; ++i) window.editor().txtInput_Change(i, texts[i]);
        const qint32 before = transport.positionMs();
        QTest::keyClick(child<QLineEdit>(window, QStringLiteral("txtInput(0)")), Qt::Key_Return);
        EXPECT_EQ(transport.mode(), Transport::Playing);
        EXPECT_NEAR(transport.positionMs(), before, 300);
        EXPECT_TRUE(QTest::qWaitFor([&] { return transport.positionMs() >= before + 400; }, 3000))
            << "plays on: " << transport.positionMs() << " after " << before;
    }
    EXPECT_EQ(ReadID3Tag(fakes.dialogs, song, 123), QStringLiteral("藍天|Ann|Sky"));
    EXPECT_EQ(caption.text, QStringLiteral("藍天 ~ Ann ~ Sky - ") + state.VersionB + state.VersionT);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << fakes.dialogs.messageTexts().join(u'|').toStdString();
    timer.set(0, false);
    media.MMClose(QString(), true);
}

}  // namespace
