#include <QMenu>
#include <QPushButton>

#include "BrowserFixture.h"
#include "browser/BrowserTexts.h"

namespace {

using namespace Qt::StringLiterals;

class BrowserFilesTest : public BrowserFixture {
protected:
    void rightPressFiles() { QTest::mousePress(file1()->viewport(), Qt::RightButton, {}, fileRowCenter(0)); }
};

TEST_F(BrowserFilesTest, ClickAndKeysPutThePathInTheBoxAndShowDetailsOnlyWhenOpen) {
    clickFile(fileRow(u"c.wav"_s));
    EXPECT_EQ(txtFileLink->text(), inMusic("c.wav"));
    EXPECT_EQ(txtFileLink->cursorPosition(), txtFileLink->text().size()) << "caret at the end";
    EXPECT_TRUE(detailsShown.isEmpty()) << "the details section is closed";

    state.FrameState = 1;
    QTest::keyClick(file1(), Qt::Key_Up);
    EXPECT_EQ(txtFileLink->text(), inMusic("b.mp3"));
    EXPECT_EQ(detailsShown, QStringList{inMusic("b.mp3")});
}

TEST_F(BrowserFilesTest, GetFullFileLinkJoinsFolderAndNameWithOneSeparator) {
    EXPECT_EQ(panel->GetFullFileLink(fileRow(u"A.MP3"_s)), inMusic("A.MP3"));
    ASSERT_TRUE(panel->ChangeDirPath(u"/"_s, true));
    for (int row = 0; row < file1()->ListCount(); ++row)
        EXPECT_EQ(panel->GetFullFileLink(row), u"/"_s + file1()->name(row));
    EXPECT_EQ(panel->GetFullFileLink(-1), u"/"_s) << "no row: the folder alone";
}

// The parsing of answers has its own table; here the button, the list and
// the count label around it.
TEST_F(BrowserFilesTest, FilterFromTheRightButtonUntilCancelled) {
    fakes.dialogs.inputAnswers = {u"mp3"_s, QString()};
    rightPressFiles();
    ASSERT_EQ(fakes.dialogs.inputs.size(), 1);
    EXPECT_EQ(fakes.dialogs.inputs[0].prompt, BrowserTexts::filterPrompt());
    EXPECT_EQ(fakes.dialogs.inputs[0].defaultAnswer, u"*."_s);
    EXPECT_EQ(panel->cmdCancelFileFilter()->text(), u"取消過瀘\n*.mp3"_s);
    EXPECT_TRUE(panel->cmdCancelFileFilter()->isVisible());
    EXPECT_EQ(file1()->names(), (QStringList{u"A.MP3"_s, u"b.mp3"_s, u"track2.mp3"_s, u"track10.mp3"_s}));
    EXPECT_EQ(labelText(), counts(3, 6)) << "a filter does not count";
    EXPECT_TRUE(file1()->selectedRowNumbers().isEmpty()) << "the right button selects nothing";
    rightPressFiles();  // a cancelled box
    EXPECT_EQ(panel->filePattern(), u"*.mp3"_s);

    ASSERT_TRUE(panel->ChangeDirPath(usb, true));
    EXPECT_EQ(file1()->names(), QStringList{u"x.mp3"_s}) << "the filter stays across folders";
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    EXPECT_EQ(labelText(), counts(3, 4));
    QTest::mouseClick(panel->cmdCancelFileFilter(), Qt::LeftButton);
    EXPECT_FALSE(panel->cmdCancelFileFilter()->isVisible());
    EXPECT_EQ(panel->filePattern(), u"*.*"_s);
    EXPECT_EQ(file1()->ListCount(), 6);
    EXPECT_EQ(labelText(), counts(3, 4)) << "the label keeps its count";
}

TEST_F(BrowserFilesTest, SelectAllAndInvertFromTheMenu) {
    QMenu menu;
    panel->addFileSelectActions(&menu);
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), u"全選"_s);
    EXPECT_EQ(actions[1]->text(), u"反向選擇"_s);
    actions[0]->trigger();
    EXPECT_EQ(file1()->selectedRowNumbers(), (QList<int>{0, 1, 2, 3, 4, 5}));
    file1()->setRowSelected(1, false);
    file1()->setRowSelected(4, false);
    actions[1]->trigger();
    EXPECT_EQ(file1()->selectedRowNumbers(), (QList<int>{1, 4}));
}

TEST_F(BrowserFilesTest, OnlyCtrlEnterOpensInTheFileListAndThePathBox) {
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    } cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, false},
        {"Ctrl+Shift+Enter", Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, false},
        {"Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier, true},
        {"Ctrl+keypad Enter", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, true},
    };
    clickFile(fileRow(u"b.mp3"_s));
    for (QWidget* target : {static_cast<QWidget*>(file1()), static_cast<QWidget*>(txtFileLink)}) {
        for (const auto& c : cases) {
            songs.started.clear();
            QTest::keyClick(target, c.key, c.modifiers);
            EXPECT_EQ(songs.started, c.opens ? QStringList{inMusic("b.mp3")} : QStringList{})
                << c.name << " in " << target->objectName().toStdString();
        }
    }
}

TEST_F(BrowserFilesTest, AltLeftClickAddsToThePlaylistWithNothingElseHeld) {
    const int row = fileRow(u"c.wav"_s);
    clickFile(row, Qt::AltModifier | Qt::ShiftModifier);
    clickFile(row);
    EXPECT_TRUE(addedToPlaylist.isEmpty());
    clickFile(row, Qt::AltModifier);
    EXPECT_EQ(addedToPlaylist, QStringList{inMusic("c.wav")}) << "the clicked file is the selection";
}

TEST_F(BrowserFilesTest, OpeningGoesByTypeAndReportsMissingFiles) {
    doubleClick(file1()->viewport(), fileRowCenter(fileRow(u"A.MP3"_s)));
    EXPECT_EQ(songs.started, QStringList{inMusic("A.MP3")});

    txtFileLink->setText(u"  "_s + inMusic("notes.txt") + u" "_s);
    QTest::mouseClick(panel->cmdPlaySpecificSong(), Qt::LeftButton);
    EXPECT_EQ(openedOther, (QList<QPair<QString, OpenGroup>>{{inMusic("notes.txt"), OpenGroup::Text}}))
        << "spaces around the path are dropped";

    for (const QString& bad : {QString(), u"   "_s, music, inMusic("gone.mp3")}) {
        status.history.clear();
        txtFileLink->setText(bad);
        panel->cmdPlaySpecificSong_Click();
        EXPECT_EQ(status.status(), BrowserTexts::kFileMissing) << "'" << bad.toStdString() << "'";
    }
    EXPECT_EQ(songs.started.size(), 1);
    EXPECT_EQ(openedOther.size(), 1);
}

TEST_F(BrowserFilesTest, PathBoxClipboardPicturesAndDoubleClick) {
    txtFileLink->setText(inMusic("b.mp3"));
    QTest::mouseClick(panel->imgClipFileLink(0), Qt::LeftButton);
    EXPECT_EQ(fakes.clipboard.text(), inMusic("b.mp3"));
    EXPECT_EQ(fakes.clipboard.clears, 1) << "cleared before the text goes on";

    fakes.clipboard.setText(u"/somewhere/else.mp3"_s);
    QTest::mouseClick(panel->imgClipFileLink(1), Qt::LeftButton);
    EXPECT_EQ(txtFileLink->text(), u"/somewhere/else.mp3"_s);
    doubleClick(txtFileLink, QPoint(40, 10));
    EXPECT_EQ(txtFileLink->selectedText(), u"/somewhere/else.mp3"_s);
}

TEST_F(BrowserFilesTest, SongsOfTheFolderInListOrder) {
    EXPECT_EQ(panel->filePathsWithExtensions(), (QStringList{inMusic("A.MP3"), inMusic("b.mp3"), inMusic("c.wav"),
                                                             inMusic("track2.mp3"), inMusic("track10.mp3")}));
    EXPECT_EQ(panel->filePathsWithExtensions({u"txt"_s}), QStringList{inMusic("notes.txt")});
}

TEST_F(BrowserFilesTest, CompactModesHideTheBrowser) {
    fakes.dialogs.inputAnswers = {u"mp3"_s};
    rightPressFiles();
    panel->setBrowserVisible(false);
    for (QWidget* w : {static_cast<QWidget*>(panel->Drive1()), static_cast<QWidget*>(dir1()),
                       static_cast<QWidget*>(file1()), static_cast<QWidget*>(panel->cmdCancelFileFilter())})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    panel->setBrowserVisible(true);
    EXPECT_TRUE(file1()->isVisible());
    EXPECT_TRUE(panel->cmdCancelFileFilter()->isVisible()) << "the filter is still active";
}

}  // namespace
