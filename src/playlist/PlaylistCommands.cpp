#include "playlist/PlaylistCommands.h"

#include "app/AppState.h"
#include "app/PassCountChoice.h"
#include "app/StatusLine.h"
#include "browser/BrowserNavigation.h"
#include "common/DataFolder.h"
#include "common/PathText.h"
#include "platform/Dialogs.h"
#include "playlist/PlaylistDisplay.h"
#include "playlist/PlaylistEditing.h"
#include "playlist/PlaylistEntries.h"
#include "playlist/PlaylistLabels.h"
#include "playlist/PlaylistStore.h"
#include "playlist/SongLengthTest.h"

namespace {

const QString kAll = QStringLiteral("-1");
const QString kOpenTitle = QStringLiteral("開啟PlayList");
const QString kSaveTitle = QStringLiteral("儲存PlayList");
constexpr int kEndlessPassEntry = 6;

}  // namespace

PlaylistCommands::PlaylistCommands(PlaylistEntries& entries, PlaylistDisplay& display, PlaylistStore& store,
                                   PlaylistLabels& labels, SongLengthTest& lengthTest, PlaylistEditing& editing,
                                   AppState& state, StatusLine& status, Dialogs& dialogs, BrowserNavigation& browser,
                                   PassCountChoice& passCount)
    : entries_(entries), display_(display), store_(store), labels_(labels), lengthTest_(lengthTest),
      editing_(editing), state_(state), status_(status), dialogs_(dialogs), browser_(browser), passCount_(passCount) {}

QStringList PlaylistCommands::mnuPLEventsCaptions() {
    const QString any = DataFolder::root() + QStringLiteral("...");
    return {
        QStringLiteral("載入預設PlayList (") + DataFolder::defaultPlaylist() + u')',
        QStringLiteral("儲存成預設PlayList (") + DataFolder::defaultPlaylist() + u')',
        QStringLiteral("載入PlayList (") + any + u')',
        QStringLiteral("儲存PlayList (") + any + u')',
        QStringLiteral("另存PlayList (") + any + u')',
        QStringLiteral("插入PlayList項目"),
        QStringLiteral("重新命名播放中的PlayList"),
        QStringLiteral("刪除播放中的PlayList"),
    };
}

QStringList PlaylistCommands::mnuRefreshCaptions() {
    return {QStringLiteral("重新整理"), QStringLiteral("重新整理+快速時間測試"),
            QStringLiteral("重新整理+完整時間測試"), QStringLiteral("停止時間測試")};
}

QString PlaylistCommands::askOpenFile() {
    FileDialogRequest request;
    request.title = kOpenTitle;
    request.initialFolder = DataFolder::displayName();
    const QStringList files = dialogs_.openFiles(request);
    return files.isEmpty() ? QString() : files.first();
}

void PlaylistCommands::saveAs() {
    FileDialogRequest request;
    request.title = kSaveTitle;
    request.initialFolder = DataFolder::displayName();
    const QString file = dialogs_.saveFile(request);
    if (!file.isEmpty()) store_.PLSaveFile(file);
}

void PlaylistCommands::mnuPLEvents(int index) {
    switch (index) {
    case LoadDefault: store_.PLLoadFile(DataFolder::defaultPlaylist(), false); break;
    case SaveDefault: store_.PLSaveFile(DataFolder::defaultPlaylist()); break;
    case Open:
    case Insert: {
        QString file = askOpenFile();
        if (!file.isEmpty()) store_.PLLoadFile(file, index == Insert);
        break;
    }
    case Save:
        if (!state_.UPlayList.isEmpty())
            store_.PLSaveFile(state_.UPlayList);
        else
            saveAs();
        break;
    case SaveAs: saveAs(); break;
    case Rename: store_.renameOpenPlaylist(); break;
    case Delete: store_.deleteOpenPlaylist(); break;
    default: break;
    }
}

void PlaylistCommands::mnuOpenNewPL(int index) {
    entries_.clear();
    display_.clear();
    labels_.PLShowDetails(QString(), QString());
    state_.UPlayList.clear();
    if (index == 1) editing_.cmdAddItem(PlaylistEditing::AddFolderSongs);
}

void PlaylistCommands::mnuRestorePlayList() {
    browser_.ChangeDirPath(DataFolder::root(), true);
    dialogs_.messageBox(QStringLiteral("要回復PlayList, 只需在檔案$BackUp1-$BackUp5上雙擊就就行了!不過請記緊另存新檔!"),
                        MsgButtons::Ok, MsgIcon::Information);
}

void PlaylistCommands::lblPLDetails_Click() {
    const int current = state_.options.passEntry;
    const int next = current >= 1 && current < kEndlessPassEntry ? current + 1 : 1;
    passCount_.mnuOptComboList0_Click(next);
}

void PlaylistCommands::mnuRefresh(int index) {
    browser_.refresh();
    switch (index) {
    case RefreshLines: display_.PLRefreshItems(false, kAll, false); break;
    case RefreshAndMeasureAll: display_.PLRefreshItems(true, kAll, true); break;
    case RefreshAndMeasure: display_.PLRefreshItems(true, kAll, false); break;
    case StopMeasuring: lengthTest_.stop(); break;
    default: break;
    }
}
