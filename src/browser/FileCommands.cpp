#include "browser/FileCommands.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/PathBox.h"
#include "app/StatusLine.h"
#include "browser/BrowserNavigator.h"
#include "browser/FileCommandTexts.h"
#include "browser/FileOpener.h"
#include "browser/MoveCopyController.h"
#include "common/DataFolder.h"
#include "common/PathText.h"
#include "platform/Dialogs.h"
#include "platform/FileOperations.h"
#include "platform/Launcher.h"

using namespace FileCommandTexts;

namespace {
// The file list counts its selection in eight bits.
constexpr int kMostDeleted = 255;
}  // namespace

FileCommands::FileCommands(AppState& state, StatusLine& status, Dialogs& dialogs, FileOperations& files,
                           Launcher& launcher, Parts parts)
    : state_(state), status_(status), dialogs_(dialogs), files_(files), launcher_(launcher), parts_(parts) {}

void FileCommands::mnuFileRename_Click() {
    BrowserNavigator& browser = parts_.browser;
    const int row = browser.fileRows().ListIndex();
    const QString name = browser.fileRows().name(row);
    if (name.isEmpty()) {
        status_.setStatus(kNoFileChosen);
        return;
    }
    QString folder = browser.currentFolder();
    folder = AddBackslash(folder);
    const QString answer = dialogs_.inputBox(renamePrompt(folder + name), {}, name);
    if (answer.isEmpty() || answer == name) return;
    if (!files_.isValidFileName(folder, answer) || !files_.rename(folder + name, folder + answer)) {
        dialogs_.messageBox(renameFailed(), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    status_.setStatus(renamed(answer));
    browser.rereadFiles();
    browser.selectFileRow(row + 1 < browser.fileRows().ListCount() ? row + 1 : 0);
    offerLyricRename(name, answer);
}

void FileCommands::offerLyricRename(const QString& name, const QString& answer) {
    // A lyric file renamed is itself the lyric; only the exact lower-case
    // extension counts, as the lyric files are named.
    if (GetFileExt(name) == QLatin1String("lyr")) return;
    const QString oldLyric = DataFolder::lyricFileFor(GetFileTitle(name));
    if (!files_.isFile(oldLyric)) return;
    const QString newLyric = DataFolder::lyricFileFor(GetFileTitle(answer));
    if (dialogs_.messageBox(lyricRenameQuestion(oldLyric, newLyric), MsgButtons::YesNo, MsgIcon::Question) !=
        MsgResult::Yes)
        return;
    if (!files_.rename(oldLyric, newLyric)) dialogs_.messageBox(renameFailed(), MsgButtons::Ok, MsgIcon::Critical);
}

void FileCommands::mnuFileDelete_Click() {
    BrowserNavigator& browser = parts_.browser;
    const QList<int> rows = browser.fileRows().selectedRows();
    if (rows.size() > kMostDeleted) {
        status_.setStatus(kDeleteFailed);
        return;
    }
    if (rows.isEmpty()) {
        status_.setStatus(kNothingToDelete);
        return;
    }
    QStringList paths;
    int untrashable = 0;
    for (const int row : rows) {
        paths << browser.GetFullFileLink(row);
        if (!files_.canMoveToTrash(paths.last())) ++untrashable;
    }
    const int count = static_cast<int>(rows.size());
    const QString question = deleteQuestion(browser.fileRows().name(rows.first()), count, untrashable);
    if (dialogs_.messageBox(question, MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes) return;
    int done = 0;
    for (const QString& path : std::as_const(paths)) {
        if (!deleteOne(path)) break;
        ++done;
    }
    status_.setStatus(done == count ? deleted(count) : kDeleteFailed);
    // The list shows what is left, also after a failure.
    browser.rereadFiles();
    const int left = browser.fileRows().ListCount();
    browser.selectFileRow(left == 0 ? -1 : std::min(rows.last(), left - 1));
}

bool FileCommands::deleteOne(const QString& path) {
    // The question said which files go for good; a file that was to go to
    // the trash never goes for good instead.
    return files_.canMoveToTrash(path) ? files_.moveToTrash(path) : files_.removeFile(path);
}

void FileCommands::mnuDirEvents_Click(int index, int dir1ListIndex) {
    if (index == 0)
        createFolder();
    else
        removeFolder(dir1ListIndex);
}

void FileCommands::createFolder() {
    BrowserNavigator& browser = parts_.browser;
    QString base = parts_.moveCopy.isOpen() ? browser.dir2Rows().path() : browser.dir1Rows().path();
    base = AddBackslash(base);
    const QString answer = TrimSpaces(dialogs_.inputBox(folderPrompt(base), {}, kNewFolderName));
    if (answer.isEmpty()) return;
    if (!files_.isValidFileName(base, answer) || !files_.makeFolder(base + answer)) {
        dialogs_.messageBox(folderNotCreated(answer), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    status_.setStatus(folderCreated(answer));
    browser.rereadFolders();
}

void FileCommands::removeFolder(int dir1ListIndex) {
    BrowserNavigator& browser = parts_.browser;
    const QString target = browser.dir1Rows().entry(dir1ListIndex);
    if (target.isEmpty() || !files_.removeFolder(target)) {
        dialogs_.messageBox(folderNotRemoved(target), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    // The browser shows what holds the removed folder: its parent when it
    // was the current folder, the current folder again when it was a subfolder.
    browser.ChangeDirPath(GetParentPath(target), true);
    status_.setStatus(folderRemoved(TextAfter(target, QString(kPathSeparator))));
}

void FileCommands::mnuOpen_Click(int index) {
    if (index == 1) {
        const QString folder = parts_.browser.dir1Rows().path();
        if (!launcher_.openPath(folder))
            dialogs_.messageBox(cannotOpenFolder(folder), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    FileDialogRequest request;
    request.title = kOpenFileTitle;
    request.initialFolder = state_.PSongLink.isEmpty() ? state_.InitDir : GetParentPath(state_.PSongLink);
    request.filter = kAllFilesFilter;
    const QStringList chosen = dialogs_.openFiles(request);
    if (chosen.isEmpty() || chosen.first().isEmpty()) return;
    parts_.pathBox.setText(chosen.first());
    parts_.opener.openByType(chosen.first());
}
