#include "playlist/PlaylistEditing.h"

#include "app/AppState.h"
#include "app/PathBox.h"
#include "app/StatusLine.h"
#include "browser/BrowserNavigation.h"
#include "common/PathText.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "playlist/PlaylistDisplay.h"
#include "playlist/PlaylistEntries.h"
#include "playlist/SongFileIndex.h"

namespace {

const QString kAll = QStringLiteral("-1");
const QString kCrLf = QStringLiteral("\r\n");
const QString kDialogTitle = QStringLiteral("新增檔案至PlayList");
// The caption reads as the classic "all files" entry; "*" also matches the
// many files here that have no extension.
const QString kAllFilesFilter = QStringLiteral("顯示所有檔案(*.*) (*)");
const QString kNothingSelected = QStringLiteral("沒有選擇項目!");
const QString kNoSongs = QStringLiteral("PlayList中沒有歌曲存在");
const QString kNoFiles = QStringLiteral("資料夾沒有檔案存在");
const QString kCopied = QStringLiteral("你所需要的名單已經被複製至剪貼薄. 你可以使用 (CTRL+V) 貼上.");

// Folder and name with exactly one separator between them. The folder is
// taken as it is: a folder name may end in a space, which trimming would
// turn into another folder.
QString joinFolderAndName(const QString& folder, const QString& name) {
    if (folder.isEmpty() || folder.endsWith(kPathSeparator)) return folder + name;
    return folder + kPathSeparator + name;
}

}  // namespace

PlaylistEditing::PlaylistEditing(PlaylistEntries& entries, PlaylistDisplay& display, AppState& state,
                                 StatusLine& status, Dialogs& dialogs, Clipboard& clipboard,
                                 BrowserNavigation& browser, PathBox& pathBox)
    : entries_(entries), display_(display), state_(state), status_(status), dialogs_(dialogs),
      clipboard_(clipboard), browser_(browser), pathBox_(pathBox) {}

QString PlaylistEditing::mnuOutputNLCaption(int index) {
    static const QString captions[3] = {QStringLiteral("輸出PlayList歌名至剪貼薄"),
                                        QStringLiteral("輸出PlayList歌曲路徑至剪貼薄"),
                                        QStringLiteral("輸出檔案名單至剪貼薄")};
    return index >= 0 && index < 3 ? captions[index] : QString();
}

void PlaylistEditing::cmdAddItem(int index) {
    switch (index) {
    case AddSelectedFiles: addPaths(browser_.selectedFilePaths()); break;
    case AddFolderSongs: addPaths(browser_.filePathsWithExtensions({QStringLiteral("mp3"), QStringLiteral("wav")})); break;
    // Taken as typed: a path that is wrong shows as missing in its line.
    case AddPathBoxText: addPaths({pathBox_.text()}); break;
    case ReplaceWithBrowserFile: replaceSelectedWithBrowserFile(); break;
    default: break;
    }
}

void PlaylistEditing::addPaths(const QStringList& paths) {
    const int old = entries_.count();
    entries_.appendAll(paths);
    if (entries_.count() != old) refreshRange(old, entries_.count() - 1);
}

void PlaylistEditing::replaceSelectedWithBrowserFile() {
    const int row = display_.selectedRow();
    if (!entries_.contains(row)) return;
    // With no current file in the browser there is nothing to put in its
    // place; the bare folder would only be a broken entry.
    const QString path = browser_.currentFilePath();
    if (path.isEmpty()) return;
    // The old length stays until the test measures the new file.
    entries_.setPath(row, path);
    refreshRange(row, row);
}

void PlaylistEditing::cmdDeleteItem(int index) {
    if (display_.lines().count() != entries_.count()) refreshAll();
    if (index == RemoveSelected) {
        removeSelected();
    } else if (index == RemoveAll) {
        entries_.clear();
        // The rebuild of the empty list keeps the playlist's name and shows
        // its total as nothing, rather than the total of the removed songs.
        refreshAll();
    }
}

void PlaylistEditing::removeSelected() {
    const int row = display_.selectedRow();
    if (!entries_.contains(row)) return;
    const int next = row == entries_.count() - 1 ? row - 1 : row;
    entries_.remove(row);
    refreshAll();
    display_.selectRow(next);
}

void PlaylistEditing::mnuAddPLItemFromCMDG() {
    FileDialogRequest request;
    request.title = kDialogTitle;
    request.initialFolder = state_.InitDir;
    request.filter = kAllFilesFilter;
    request.multiSelect = true;
    const QStringList chosen = dialogs_.openFiles(request);
    QStringList paths;
    paths.reserve(chosen.size());
    for (const QString& file : chosen) {
        const QString folder = GetParentPath(file);
        paths.append(joinFolderAndName(folder, file.mid(folder.size())));
    }
    addPaths(paths);
}

void PlaylistEditing::mnuEditPLItemLink() {
    const int row = display_.selectedRow();
    if (!entries_.contains(row)) {
        status_.setStatus(kNothingSelected);
        return;
    }
    const QString current = entries_.path(row);
    const QString answer = dialogs_.inputBox(QStringLiteral("請輸入更新的路徑") + kCrLf + current, QString(), current);
    // The box's own event loop lets timers run; the entry may be gone.
    if (TrimSpaces(answer).isEmpty() || !entries_.contains(row)) return;
    entries_.setPath(row, answer);
    refreshRange(row, row);
    // After the rebuild, whose length test announces itself on the same
    // line: the edit is what the user wants confirmed.
    status_.setStatus(QStringLiteral("路徑已更新! (") + answer + u')');
}

void PlaylistEditing::mnuRemoveInvalidPLItem() {
    const SongFileIndex files(entries_, 0, entries_.count() - 1);
    entries_.removeIf([&files](const PlaylistEntry& e) { return e.path.isEmpty() || !files.isFile(e.path); });
    refreshAll();
    status_.setStatus(QStringLiteral("已清除所有無效的PlayList項目"));
}

bool PlaylistEditing::exportText(int index, QString& text) {
    QStringList items;
    if (index == OutputLines && display_.isPageView()) {
        // The page label holds one page, indented as it is shown.
        if (entries_.isEmpty() || display_.pageText().isEmpty()) {
            status_.setStatus(kNoSongs);
            return false;
        }
        text = display_.pageText();
        return true;
    }
    if (index == OutputLines) items = display_.lines().lines();
    else if (index == OutputPaths) items = entries_.paths();
    else if (index == OutputBrowserFiles) items = browser_.fileNames();
    else return false;
    if (items.isEmpty()) {
        status_.setStatus(index == OutputBrowserFiles ? kNoFiles : kNoSongs);
        return false;
    }
    text = items.join(kCrLf);
    return true;
}

void PlaylistEditing::mnuOutputNL(int index) {
    QString text;
    if (!exportText(index, text)) return;
    clipboard_.clear();
    clipboard_.setText(text);
    dialogs_.messageBox(kCopied, MsgButtons::Ok, MsgIcon::None);
}

void PlaylistEditing::imgCopySongLink_Click() {
    const int row = display_.selectedRow();
    if (!entries_.contains(row)) return;
    clipboard_.clear();
    clipboard_.setText(entries_.path(row));
}

void PlaylistEditing::refreshRange(int first, int last) {
    display_.PLRefreshItems(true, QString::number(first) + u'%' + QString::number(last), false);
}

void PlaylistEditing::refreshAll() { display_.PLRefreshItems(false, kAll, false); }
