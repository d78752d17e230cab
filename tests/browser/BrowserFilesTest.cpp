#include <QMenu>
#include <QPushButton>

#include "BrowserFixture.h"
#include "browser/BrowserTexts.h"

namespace {

class BrowserFilesTest : public BrowserFixture {
protected:
    void SetUp() override {
        BrowserFixture::SetUp();
        ASSERT_TRUE(panel->ChangeDirPath(music, true));
    }
    QString pathOf(const char* name) const { return music + QStringLiteral("/") + QString::fromUtf8(name); }
    void rightPressFiles() { QTest::mousePress(file1()->viewport(), Qt::RightButton, {}, fileRowCenter(0)); }
};

TEST_F(BrowserFilesTest, ClickPutsThePathInTheBoxAndShowsDetailsOnlyWhenOpen) {
    clickFile(fileRow(QStringLiteral("c.wav")));
    EXPECT_EQ(txtFileLink->text(), pathOf("c.wav"));
    EXPECT_EQ(txtFileLink->cursorPosition(), txtFileLink->text().size()) << "caret at the end";
    EXPECT_TRUE(detailsShown.isEmpty()) << "the details section is closed";

    state.FrameState = 1;
    clickFile(fileRow(QStringLiteral("b.mp3")));
    EXPECT_EQ(detailsShown, QStringList{pathOf("b.mp3")});
}

TEST_F(BrowserFilesTest, KeyboardMovesShowThePathToo) {
    clickFile(0);
    QTest::keyClick(file1(), Qt::Key_Down);
    EXPECT_EQ(txtFileLink->text(), pathOf("b.mp3"));
}

TEST_F(BrowserFilesTest, GetFullFileLinkJoinsFolderAndNameWithOneSeparator) {
    EXPECT_EQ(panel->GetFullFileLink(fileRow(QStringLiteral("A.MP3"))), pathOf("A.MP3"));
    ASSERT_TRUE(panel->ChangeDirPath(QStringLiteral("/"), true));
    ASSERT_GT(file1()->ListCount() + 1, 0);
    for (int row = 0; row < file1()->ListCount(); ++row)
        EXPECT_EQ(panel->GetFullFileLink(row), QStringLiteral("/") + file1()->name(row));
    EXPECT_EQ(panel->GetFullFileLink(-1), QStringLiteral("/")) << "no row: the folder alone";
}

TEST_F(BrowserFilesTest, FilterAnswers) {
    fakes.dialogs.inputAnswers = {QStringLiteral("mp3"), QStringLiteral("   "), QStringLiteral("*.mp3;wav")};
    rightPressFiles();
    ASSERT_EQ(fakes.dialogs.inputs.size(), 1);
    EXPECT_EQ(fakes.dialogs.inputs[0].prompt, BrowserTexts::filterPrompt());
    EXPECT_EQ(fakes.dialogs.inputs[0].defaultAnswer, QStringLiteral("*."));
    EXPECT_EQ(panel->filePattern(), QStringLiteral("*.mp3"));
    EXPECT_TRUE(panel->cmdCancelFileFilter()->isVisible());
    EXPECT_EQ(panel->cmdCancelFileFilter()->text(), QStringLiteral("取消過瀘\n*.mp3"));
    EXPECT_EQ(file1()->names(), (QStringList{"A.MP3", "b.mp3", "track2.mp3", "track10.mp3"}));
    EXPECT_EQ(labelText(), QStringLiteral("總共3個資料夾, 6個檔案")) << "a filter does not count";
    EXPECT_TRUE(file1()->selectedRowNumbers().isEmpty()) << "the right button selects nothing";

    rightPressFiles();  // spaces only: nothing changes
    EXPECT_EQ(panel->filePattern(), QStringLiteral("*.mp3"));
    EXPECT_EQ(panel->cmdCancelFileFilter()->text(), QStringLiteral("取消過瀘\n*.mp3"));

    rightPressFiles();
    EXPECT_EQ(panel->filePattern(), QStringLiteral("*.mp3;wav")) << "the second type stays as typed";
    EXPECT_EQ(file1()->ListCount(), 4);

    rightPressFiles();  // a cancelled box
    EXPECT_EQ(panel->filePattern(), QStringLiteral("*.mp3;wav"));
}

TEST_F(BrowserFilesTest, FilterStaysAcrossFoldersUntilCancelled) {
    fakes.dialogs.inputAnswers = {QStringLiteral("wav")};
    rightPressFiles();
    ASSERT_TRUE(panel->ChangeDirPath(usb, true));
    EXPECT_EQ(file1()->ListCount(), 0);
    ASSERT_TRUE(panel->ChangeDirPath(music, true));
    EXPECT_EQ(labelText(), QStringLiteral("總共3個資料夾, 1個檔案"));

    QTest::mouseClick(panel->cmdCancelFileFilter(), Qt::LeftButton);
    EXPECT_FALSE(panel->cmdCancelFileFilter()->isVisible());
    EXPECT_EQ(panel->filePattern(), QStringLiteral("*.*"));
    EXPECT_EQ(file1()->ListCount(), 6);
    EXPECT_EQ(labelText(), QStringLiteral("總共3個資料夾, 1個檔案")) << "the label keeps its count";
}

TEST_F(BrowserFilesTest, SetFileFilterWritesTheResetPatternBack) {
    QString pattern = QStringLiteral("*.txt");
    panel->SetFileFilter(pattern, false);
    EXPECT_EQ(file1()->names(), QStringList{QStringLiteral("notes.txt")});
    panel->SetFileFilter(pattern, true);
    EXPECT_EQ(pattern, QStringLiteral("*.*"));
    EXPECT_EQ(file1()->ListCount(), 6);
}

TEST_F(BrowserFilesTest, SelectAllAndInvertFromTheMenu) {
    QMenu menu;
    panel->addFileSelectActions(&menu);
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("全選"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("反向選擇"));

    actions[0]->trigger();
    EXPECT_EQ(file1()->selectedRowNumbers(), (QList<int>{0, 1, 2, 3, 4, 5}));
    file1()->setRowSelected(1, false);
    file1()->setRowSelected(4, false);
    actions[1]->trigger();
    EXPECT_EQ(file1()->selectedRowNumbers(), (QList<int>{1, 4}));
    actions[1]->trigger();
    EXPECT_EQ(file1()->selectedRowNumbers(), (QList<int>{0, 2, 3, 5}));
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
        {"Alt+Enter", Qt::Key_Return, Qt::AltModifier, false},
        {"Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier, true},
        {"Ctrl+keypad Enter", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, true},
    };
    clickFile(fileRow(QStringLiteral("b.mp3")));
    for (QWidget* target : {static_cast<QWidget*>(file1()), static_cast<QWidget*>(txtFileLink)}) {
        for (const auto& c : cases) {
            songs.started.clear();
            QTest::keyClick(target, c.key, c.modifiers);
            EXPECT_EQ(songs.started.size(), c.opens ? 1 : 0) << c.name << " in " << target->objectName().toStdString();
            if (c.opens && !songs.started.isEmpty()) {
                EXPECT_EQ(songs.started[0], pathOf("b.mp3")) << c.name;
            }
        }
    }
}

TEST_F(BrowserFilesTest, AltLeftClickAddsToThePlaylistWithNothingElseHeld) {
    const int row = fileRow(QStringLiteral("c.wav"));
    clickFile(row, Qt::AltModifier | Qt::ShiftModifier);
    clickFile(row);
    EXPECT_TRUE(addedToPlaylist.isEmpty());
    clickFile(row, Qt::AltModifier);
    EXPECT_EQ(addedToPlaylist, QStringList{pathOf("c.wav")}) << "the clicked file is the selection";
}

TEST_F(BrowserFilesTest, OpeningGoesByTypeAndReportsMissingFiles) {
    doubleClick(file1()->viewport(), fileRowCenter(fileRow(QStringLiteral("A.MP3"))));
    EXPECT_EQ(songs.started, QStringList{pathOf("A.MP3")});

    txtFileLink->setText(QStringLiteral("  ") + pathOf("notes.txt") + QStringLiteral(" "));
    QTest::mouseClick(panel->cmdPlaySpecificSong(), Qt::LeftButton);
    ASSERT_EQ(openedOther.size(), 1);
    EXPECT_EQ(openedOther[0].first, pathOf("notes.txt")) << "spaces around the path are dropped";
    EXPECT_EQ(openedOther[0].second, OpenGroup::Text);

    for (const QString& bad : {QString(), QStringLiteral("   "), music, pathOf("gone.mp3")}) {
        status.history.clear();
        txtFileLink->setText(bad);
        panel->cmdPlaySpecificSong_Click();
        EXPECT_EQ(status.status(), BrowserTexts::kFileMissing) << "'" << bad.toStdString() << "'";
    }
    EXPECT_EQ(songs.started.size(), 1);
    EXPECT_EQ(openedOther.size(), 1);
}

TEST_F(BrowserFilesTest, ClipboardPictures) {
    txtFileLink->setText(pathOf("b.mp3"));
    QTest::mouseClick(panel->imgClipFileLink(0), Qt::LeftButton);
    EXPECT_EQ(fakes.clipboard.text(), pathOf("b.mp3"));
    EXPECT_EQ(fakes.clipboard.clears, 1) << "cleared before the text goes on";

    fakes.clipboard.setText(QStringLiteral("/somewhere/else.mp3"));
    QTest::mouseClick(panel->imgClipFileLink(1), Qt::LeftButton);
    EXPECT_EQ(txtFileLink->text(), QStringLiteral("/somewhere/else.mp3"));
}

TEST_F(BrowserFilesTest, DoubleClickInThePathBoxSelectsAll) {
    txtFileLink->setText(pathOf("track10.mp3"));
    doubleClick(txtFileLink, QPoint(40, 10));
    EXPECT_EQ(txtFileLink->selectedText(), pathOf("track10.mp3"));
}

TEST_F(BrowserFilesTest, SongsOfTheFolderInListOrder) {
    EXPECT_EQ(panel->filePathsWithExtensions(),
              (QStringList{pathOf("A.MP3"), pathOf("b.mp3"), pathOf("c.wav"), pathOf("track2.mp3"),
                           pathOf("track10.mp3")}));
    EXPECT_EQ(panel->filePathsWithExtensions({QStringLiteral("txt")}), QStringList{pathOf("notes.txt")});
}

TEST_F(BrowserFilesTest, CompactModesHideTheBrowser) {
    fakes.dialogs.inputAnswers = {QStringLiteral("mp3")};
    rightPressFiles();
    panel->setBrowserVisible(false);
    for (QWidget* w : {static_cast<QWidget*>(panel->Drive1()), static_cast<QWidget*>(dir1()),
                       static_cast<QWidget*>(file1()), static_cast<QWidget*>(panel->lblDirDetails()),
                       static_cast<QWidget*>(panel->imgClipFileLink(0)),
                       static_cast<QWidget*>(panel->cmdCancelFileFilter())})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    panel->setBrowserVisible(true);
    EXPECT_TRUE(file1()->isVisible());
    EXPECT_TRUE(panel->cmdCancelFileFilter()->isVisible()) << "the filter is still active";
}

}  // namespace
