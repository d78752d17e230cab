#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>

#include "FileCommandsRig.h"
#include "browser/FileCommandTexts.h"
#include "common/DataFolder.h"

namespace {

using namespace Qt::StringLiterals;

class FileCommandsTest : public ::testing::Test, protected FileCommandsRig {
protected:
    void focus(int row) { navigator.setFileSelection({row}, row); }
    QStringList messageTexts() const { return dialogs.messageTexts(); }
};

// An empty, unchanged or cancelled answer does nothing, not even on the status line; a rename selects the row
// after the renamed one, and row 0 after the last row.
TEST_F(FileCommandsTest, Rename) {
    const struct { const char* answer; int row; QStringList after; int selected; bool renamed; } rows[] = {
        {"", 1, {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, 1, false},
        {"b.mp3", 1, {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, 1, false},
        {"a2.mp3", 0, {u"a2.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, 1, true},
        {"d.mp3", 2, {u"a2.mp3"_s, u"b.mp3"_s, u"d.mp3"_s}, 0, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answer);
        status.history.clear();
        focus(row.row);
        dialogs.inputAnswers = {QString::fromUtf8(row.answer)};
        commands.mnuFileRename_Click();
        EXPECT_EQ(status.history,
                  row.renamed ? QStringList{u"檔案成功被重新命名 (%1)"_s.arg(QString::fromUtf8(row.answer))} : QStringList{});
        EXPECT_EQ(onDisk(src), row.after);
        EXPECT_EQ(navigator.fileNames(), row.after);
        EXPECT_EQ(navigator.fileRows().ListIndex(), row.selected);
    }
    EXPECT_EQ(dialogs.inputs.first().prompt, u"請輸入新的檔案名.\r\n"_s + inSrc(u"b.mp3"_s));
    EXPECT_EQ(dialogs.inputs.first().defaultAnswer, u"b.mp3"_s);
    navigator.setFileSelection({}, -1);
    commands.mnuFileRename_Click();
    EXPECT_EQ(status.status(), u"沒有選擇檔案."_s);
}

// The lyric file named after the song's title is offered for renaming too; a lyric file itself never asks.
TEST_F(FileCommandsTest, RenameOffersTheLyricFile) {
    const QString lyrics = DataFolder::lyricsFolder();
    QDir().mkpath(lyrics);
    const struct {
        const char* file;
        const char* answer;
        int answerToOffer;  // 0: no offer expected
        const char* lyricAfter;
    } rows[] = {
        {"a.mp3", "b2.mp3", MsgResult::Yes, "b2.lyr"},
        {"c.mp3", "c2.mp3", MsgResult::No, "c.lyr"},
        {"x.lyr", "y.lyr", 0, "x.lyr"},
        {"x.LYR", "z.LYR", MsgResult::Yes, "z.lyr"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const QString file = QString::fromUtf8(row.file);
        QDir(lyrics).removeRecursively();
        QDir().mkpath(lyrics);
        dir.writeFile(u"src/"_s + file, "song");
        QFile lyric(DataFolder::lyricFileFor(GetFileTitle(file)));
        ASSERT_TRUE(lyric.open(QIODevice::WriteOnly));
        lyric.close();
        navigator.refresh();
        focus(navigator.fileNames().indexOf(file));
        dialogs.messages.clear();
        dialogs.inputAnswers = {QString::fromUtf8(row.answer)};
        dialogs.messageAnswers = {row.answerToOffer};
        commands.mnuFileRename_Click();
        ASSERT_EQ(dialogs.messages.size(), row.answerToOffer ? 1 : 0);
        if (row.answerToOffer) {
            EXPECT_EQ(dialogs.messages.first().text,
                      FileCommandTexts::lyricRenameQuestion(DataFolder::lyricFileFor(GetFileTitle(file)),
                                                            DataFolder::lyricFileFor(GetFileTitle(QString::fromUtf8(row.answer)))));
        }
        EXPECT_EQ(QDir(lyrics).entryList(QDir::Files), QStringList{QString::fromUtf8(row.lyricAfter)});
    }
}

// A refused rename shows the critical box and leaves the list as it was.
TEST(FileCommandFaults, RenameRefused) {
    FileCommandsRig rig(false);
    rig.fake.failRenameNumbers = {1};
    rig.navigator.setFileSelection({0}, 0);
    rig.dialogs.inputAnswers = {u"z.mp3"_s};
    rig.status.history.clear();
    rig.commands.mnuFileRename_Click();
    ASSERT_EQ(rig.dialogs.messages.size(), 1);
    EXPECT_EQ(rig.dialogs.messages.first().text, FileCommandTexts::renameFailed());
    EXPECT_EQ(rig.dialogs.messages.first().icon, MsgIcon::Critical);
    EXPECT_TRUE(rig.status.history.isEmpty());
}

// The question names one file or counts several, and says whether they go to the trash or for good.
TEST(FileCommandFaults, DeleteQuestionSaysWhereTheFilesGo) {
    const struct {
        const char* where;
        QList<int> rows;
        QStringList untrashable;
        QString question;
        QStringList trashed, removed;
    } rows[] = {
        {"one file, trash", {1}, {}, u"是否要刪除選擇的檔案?\r\nb.mp3\r\n(檔案會移至垃圾桶)"_s, {u"b.mp3"_s}, {}},
        {"three files, no trash", {0, 1, 2}, {u"/"_s},
         u"是否要刪除全部己選擇的檔案?\r\n共3個檔案\r\n(無法移至垃圾桶, 檔案會被永久刪除!)"_s, {},
         {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.where);
        FileCommandsRig rig(false);
        rig.fake.untrashable = row.untrashable;
        rig.navigator.setFileSelection(row.rows, row.rows.first());
        rig.dialogs.messageAnswers = {MsgResult::Yes};
        rig.commands.mnuFileDelete_Click();
        ASSERT_EQ(rig.dialogs.messages.size(), 1);
        EXPECT_EQ(rig.dialogs.messages.first().text, row.question);
        QStringList trashed, removed;
        for (const QString& path : rig.fake.trashed) trashed << path.section(u'/', -1);
        for (const QString& step : rig.fake.steps)
            if (step.startsWith(u"remove "_s)) removed << step.section(u'/', -1);
        EXPECT_EQ(trashed, row.trashed);
        EXPECT_EQ(removed, row.removed);
        EXPECT_EQ(rig.status.status(), u"%1個檔案成功被移除"_s.arg(row.rows.size()));
    }
}

// A failure stops the deletion: files deleted before stay deleted, the rest stay, and the list shows what is left.
TEST(FileCommandFaults, DeleteFailingHalfWay) {
    FileCommandsRig rig(false);
    rig.fake.failNumbers[u"trash"_s] = {2};
    rig.navigator.mnuFileSelect_Click(0);
    rig.dialogs.messageAnswers = {MsgResult::Yes};
    rig.commands.mnuFileDelete_Click();
    EXPECT_EQ(rig.status.status(), FileCommandTexts::kDeleteFailed);
    EXPECT_EQ(rig.fake.namesIn(rig.src + u'/'), (QStringList{u"b.mp3"_s, u"c.mp3"_s}));
    EXPECT_EQ(rig.fake.steps.filter(u"remove"_s), QStringList{}) << "never deleted for good instead";
}

// On disk, with the trash under a temporary data home: deleting every file empties the list and selects nothing.
TEST_F(FileCommandsTest, DeleteEveryFileIntoTheTrash) {
    TempDir dataHome;
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    selectAll();
    dialogs.messageAnswers = {MsgResult::Yes};
    commands.mnuFileDelete_Click();
    qputenv("XDG_DATA_HOME", before);
    EXPECT_EQ(status.status(), u"3個檔案成功被移除"_s);
    EXPECT_TRUE(navigator.fileNames().isEmpty());
    EXPECT_TRUE(navigator.fileRows().selectedRows().isEmpty());
    EXPECT_EQ(navigator.fileRows().ListIndex(), -1);
    EXPECT_EQ(QDir(dataHome.path(u"Trash/files"_s)).entryList(QDir::Files),
              (QStringList{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}));
    navigator.setFileSelection({}, -1);
    commands.mnuFileDelete_Click();
    EXPECT_EQ(status.status(), u"沒有選擇檔案或資料夾內沒有檔案."_s);
}

// A new folder goes into the destination folder while the move-and-copy panel is open, else into Dir1's folder.
TEST_F(FileCommandsTest, CreateFolder) {
    const struct { bool panelOpen; const char* answer; QString made; } rows[] = {
        {false, "  New  ", src + u"/New"_s},
        {true, "Into", dest + u"/Into"_s},
    };
    for (const auto& row : rows) {
        if (row.panelOpen) openPanel(1, dest);
        dialogs.inputAnswers = {QString::fromUtf8(row.answer)};
        commands.mnuDirEvents_Click(0, -1);
        EXPECT_TRUE(QFileInfo(row.made).isDir()) << row.made.toStdString();
        EXPECT_EQ(status.status(), u"資料夾 (%1) 已建立."_s.arg(QFileInfo(row.made).fileName()));
    }
    EXPECT_EQ(navigator.dir1Rows().subfolderNames(), QStringList{u"New"_s});
    EXPECT_EQ(navigator.dir2Rows().subfolderNames(), QStringList{u"Into"_s});
    EXPECT_EQ(dialogs.inputs.last().prompt, u"請輸入要建立的新資料夾名稱.\r\n路徑: "_s + dest + u'/');
    dialogs.inputAnswers = {u"Into"_s};
    commands.mnuDirEvents_Click(0, -1);
    EXPECT_EQ(dialogs.messageTexts().value(0), FileCommandTexts::folderNotCreated(u"Into"_s)) << "the name is taken";
}

// Only an empty folder goes; the browser then shows the folder that held it.
TEST_F(FileCommandsTest, RemoveFolder) {
    navigator.ChangeDirPath(dir.path(), true);
    const int srcRow = navigator.dir1Rows().subfolderNames().indexOf(u"src"_s);
    commands.mnuDirEvents_Click(1, srcRow);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{FileCommandTexts::folderNotRemoved(src)});
    EXPECT_EQ(onDisk(src).size(), 3) << "nothing changed";

    ASSERT_TRUE(navigator.ChangeDirPath(dest, true));
    commands.mnuDirEvents_Click(1, -1);
    EXPECT_FALSE(QFileInfo::exists(dest));
    EXPECT_EQ(navigator.dir1Rows().path(), dir.path());
    EXPECT_EQ(status.status(), u"資料夾已被刪除 (%1)"_s.arg(dest.mid(1)));
}

// The open-file dialog starts at the song's folder or the start folder, and opens what was chosen by its type.
TEST_F(FileCommandsTest, OpenFileAndFolder) {
    state.InitDir = dest;
    dialogs.openAnswers = {{}, {inSrc(u"a.mp3"_s)}};
    commands.mnuOpen_Click(0);
    state.PSongLink = inSrc(u"c.mp3"_s);
    commands.mnuOpen_Click(0);
    ASSERT_EQ(dialogs.openRequests.size(), 2);
    EXPECT_EQ(dialogs.openRequests.at(0).initialFolder, dest);
    EXPECT_EQ(dialogs.openRequests.at(1).initialFolder, src + u'/');
    EXPECT_EQ(dialogs.openRequests.at(0).title, u"開啟檔案"_s);
    EXPECT_TRUE(dialogs.openRequests.at(0).filter.startsWith(u"顯示所有檔案(*.*)"_s))
        << dialogs.openRequests.at(0).filter.toStdString();
    EXPECT_EQ(opener.opened, QStringList{inSrc(u"a.mp3"_s)}) << "a cancelled dialog opens nothing";
    EXPECT_EQ(pathBox.value, inSrc(u"a.mp3"_s));

    commands.mnuOpen_Click(1);
    EXPECT_EQ(launcher.openedPaths, QStringList{src}) << "the file manager at Dir1's folder";
    launcher.succeed = false;
    commands.mnuOpen_Click(1);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{FileCommandTexts::cannotOpenFolder(src)});
}

}  // namespace
