#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "LyricEditorRig.h"
#include "lyrics/Frm_Lyric.h"
#include "lyrics/Frm_LyricFactory.h"
#include "lyrics/LyricEditorWindows.h"
#include "lyrics/LyricPaths.h"

namespace {

// The opener as the player holds it, with the real window factory.
struct OpenerRig {
    OpenerRig() { LyricEditorRig::emptyLyricFolder(); }

    FakeServices fakes;
    FailingLyricFiles files;
    AppState state;
    Frm_LyricFactory factory{nullptr};
    LyricEditorWindows opener{{fakes.dialogs, fakes.clock, files, state}, &factory};
    TempDir music;
};

template <typename W>
W* control(Frm_Lyric* window, const char* name) {
    return window->findChild<W*>(QLatin1String(name));
}

TEST(FrmLyricOpening, OneWindowLoadsWhatThePlayerSendsAndTheSongsLyricFirst) {
    OpenerRig rig;
    ASSERT_TRUE(rig.opener.available());
    rig.state.PLyricLink = LyricEditorRig::lyric(QStringLiteral("Blue Sky.lyr"), "blue\r\nsky\r\n");
    rig.opener.showLyricEditor();
    Frm_Lyric* window = rig.factory.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), LyricEditorRig::title(QStringLiteral("Blue Sky"), QStringLiteral("歌詞已載入.")));
    EXPECT_EQ(control<QPlainTextEdit>(window, "txtLyricBox")->toPlainText(), QStringLiteral("blue\nsky"));
    EXPECT_EQ(control<QLineEdit>(window, "txtFinalLink")->text(), rig.state.PLyricLink);
    EXPECT_TRUE(control<QCheckBox>(window, "chkAutoCorrect")->isChecked());

    rig.state.OpenLyricLink = rig.music.writeFile(QStringLiteral("notes.txt"), "notes");
    rig.opener.showLyricEditor();
    EXPECT_EQ(rig.factory.window(), window) << "the open window is brought forward";
    EXPECT_EQ(control<QPlainTextEdit>(window, "txtLyricBox")->toPlainText(), QStringLiteral("notes"));

    rig.opener.showDirFavEditor();
    EXPECT_EQ(control<QLineEdit>(window, "txtFinalLink")->text(), DataFolder::dirFavFile());

    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(rig.factory.window(), nullptr) << "closing ends the window";
    rig.opener.showLyricEditor();
    ASSERT_NE(rig.factory.window(), nullptr);
    EXPECT_EQ(rig.factory.window()->model().text(), QStringLiteral("blue\r\nsky")) << "a new window starts again";
}

TEST(FrmLyricOpening, WithoutAFactoryTheEditorIsUnavailable) {
    FakeServices fakes;
    FailingLyricFiles files;
    AppState state;
    state.OpenLyricLink = QStringLiteral("/music/a.txt");
    LyricEditorWindows opener({fakes.dialogs, fakes.clock, files, state}, nullptr);
    EXPECT_FALSE(opener.available());
    opener.showLyricEditor();
    EXPECT_EQ(state.OpenLyricLink, QStringLiteral("/music/a.txt"));
}

// Enter in the path box loads the path's lyric, Ctrl+Enter the path
// itself; Enter in the file list loads the chosen file.
TEST(FrmLyricKeys, EnterInThePathBoxAndTheFileListLoadFiles) {
    OpenerRig rig;
    LyricEditorRig::lyric(QStringLiteral("Blue Sky.lyr"), "lyric");
    LyricEditorRig::lyric(QStringLiteral("Snow.lyr"), "snow");
    const QString song = rig.music.writeFile(QStringLiteral("Blue Sky.mp3"), "song bytes");
    rig.opener.showLyricEditor();
    Frm_Lyric* window = rig.factory.window();
    ASSERT_NE(window, nullptr);
    auto* path = control<QLineEdit>(window, "txtLyricLink");
    auto* text = control<QPlainTextEdit>(window, "txtLyricBox");
    const struct {
        Qt::KeyboardModifiers modifiers;
        QString loaded;
    } rows[] = {{Qt::NoModifier, QStringLiteral("lyric")}, {Qt::ControlModifier, QStringLiteral("song bytes")}};
    for (const auto& row : rows) {
        path->setText(song);
        QTest::keyClick(path, Qt::Key_Return, row.modifiers);
        EXPECT_EQ(text->toPlainText(), row.loaded) << "modifiers " << row.modifiers;
    }
    auto* files = control<QListWidget>(window, "File1");
    ASSERT_EQ(files->count(), 2);
    files->setFocus();
    files->setCurrentRow(1);
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("snow")) << "the file list";
}

// Each editing command is one undo step of the text area; loading a file is
// not, so undo never brings back another file's text.
TEST(FrmLyricText, CommandsAreUndoneOneStepEach) {
    OpenerRig rig;
    rig.state.PLyricLink = LyricEditorRig::lyric(QStringLiteral("Blue Sky.lyr"), "xabyAb\r\n");
    rig.opener.showLyricEditor();
    Frm_Lyric* window = rig.factory.window();
    ASSERT_NE(window, nullptr);
    auto* text = control<QPlainTextEdit>(window, "txtLyricBox");
    EXPECT_FALSE(text->document()->isUndoAvailable()) << "a loaded file";

    // A cancelled second box answers empty: the matches go, and come back.
    rig.fakes.dialogs.inputAnswers = {QStringLiteral("ab"), QString()};
    window->editor().mnuSearch_Click(2);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("xy"));
    window->editor().mnuConvertStr_Click(1);
    window->editor().mnuEdit_Click(1);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Xy"));
    text->undo();
    EXPECT_EQ(window->model().text(), QStringLiteral("xy")) << "the capitals";
    text->undo();
    EXPECT_EQ(window->model().text(), QStringLiteral("xabyAb")) << "the replace";
}

TEST(FrmLyricText, TypedTextReachesTheEditorAndFoundTextIsSelectedInTheArea) {
    OpenerRig rig;
    rig.opener.showLyricEditor();
    Frm_Lyric* window = rig.factory.window();
    ASSERT_NE(window, nullptr);
    auto* text = control<QPlainTextEdit>(window, "txtLyricBox");
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("ab"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("xab"));
    EXPECT_EQ(window->model().text(), QStringLiteral("ab\r\nxab"));

    rig.fakes.dialogs.inputAnswers = {QStringLiteral("ab")};
    window->editor().mnuSearch_Click(0);
    window->editor().mnuSearch_Click(1);
    EXPECT_EQ(window->model().selectionStart(), 5);
    EXPECT_EQ(text->textCursor().selectedText(), QStringLiteral("ab"));
    EXPECT_EQ(text->textCursor().selectionStart(), 4) << "the line end is one character in the area";
}

}  // namespace
