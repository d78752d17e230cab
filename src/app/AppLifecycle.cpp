#include "app/AppLifecycle.h"

#include <QDebug>

#include <exception>

#include "app/AppState.h"
#include "app/LifecycleWindow.h"
#include "app/SongStarter.h"
#include "browser/FolderShortcuts.h"
#include "common/ScreenSize.h"
#include "platform/Dialogs.h"
#include "playback/MultiMedia.h"
#include "playlist/PlaylistAccess.h"
#include "ui/Appearance.h"

namespace {

constexpr int kRefreshWithoutLengthTest = 9;  // drives, folders and files; no song-length test

}  // namespace

AppLifecycle::AppLifecycle(AppState& state, AppOptions& options, MultiMedia& media, Dialogs& dialogs,
                           const Screen& screen, LifecycleWindow& window, Seams seams)
    : state_(state), options_(options), media_(media), dialogs_(dialogs), screen_(screen), window_(window),
      seams_(seams) {}

bool AppLifecycle::Form_Load(const QString& commandLine) {
    loadError_.clear();
    // A step that throws (a file the start reads being unreadable, memory
    // running out) fails the start as a step that reports failure does.
    try {
        const std::optional<QString> failure = runStartSteps(commandLine);
        if (!failure) return true;
        loadError_ = *failure;
    } catch (const std::exception& e) {
        loadError_ = QString::fromStdString(e.what());
    } catch (...) {
        loadError_ = QStringLiteral("unknown error");
    }
    // The checker explains the problem itself; the load shows no message.
    qWarning().noquote() << "start-up failed:" << loadError_;
    window_.minimize();
    window_.showOptionChecker();
    return false;
}

std::optional<QString> AppLifecycle::runStartSteps(const QString& commandLine) {
    // A desktop exactly 800 pixels wide leaves no room for the window's
    // stored size.
    if (GetScreenSize(screen_, 1) == QLatin1String("800")) window_.maximize();

    QString error;
    if (!options_.LoadOptions({seams_.playlist, seams_.browser, seams_.appearance}, &error)) return error;

    seams_.shortcuts.LoadDirFav();

    state_.PLBackUpNo = 1;
    state_.VersionB = QStringLiteral("Corvane Audio Player");
    state_.VersionT = QStringLiteral(" 2004 Quorvel \u03B5 Build 3311");
    window_.setCaption(state_.VersionB + state_.VersionT);
    window_.setWelcomeLine(QStringLiteral("歡迎使用") + state_.VersionB + state_.VersionT);
    state_.WindowMode = 0;
    state_.ShiftConst[0] = 5700;

    if (!commandLine.trimmed().isEmpty()) seams_.songs.SongStarted(commandLine);
    return std::nullopt;
}

void AppLifecycle::Form_Unload(bool& cancel) {
    if (ending_) return;
    const bool playing = media_.MMGetMode(QString()) == MultiMedia::kModePlaying;
    if (state_.options.optCheck[OptCheck::ConfirmCloseWhilePlaying] && playing) {
        const int answer = dialogs_.messageBox(QStringLiteral("確定要關閉程式?"), MsgButtons::YesNo, MsgIcon::Question);
        if (answer == MsgResult::No) {
            cancel = true;
            return;
        }
    }
    ending_ = true;
    // From here on nothing may keep the program from ending; an open option
    // checker goes with the main window.
    window_.closeOptionChecker();
    try {
        media_.MMClose(QString(), true);
    } catch (...) {
        qWarning() << "closing the media devices failed";
    }
    QString error;
    if (options_.worthSaving() && !options_.SaveOptions(&error)) {
        dialogs_.messageBox(QStringLiteral("選項無法儲存至設定檔(Option.ini)，這次更改的選項將不會保留。") +
                                QStringLiteral("\r\n") + error,
                            MsgButtons::Ok, MsgIcon::Critical);
    }
    try {
        saveOpenPlaylist();
    } catch (const std::exception& e) {
        qWarning() << "saving the open playlist failed:" << e.what();
    } catch (...) {
        qWarning() << "saving the open playlist failed";
    }
}

void AppLifecycle::saveOpenPlaylist() {
    if (!state_.options.optCheck[OptCheck::SavePlaylistAtExit]) return;
    if (seams_.playlist.count() < 1) return;
    if (state_.UPlayList.isEmpty()) return;
    seams_.playlist.PLSaveFile(state_.UPlayList);
}

void AppLifecycle::optionsSavedByChecker() {
    // A file that does not read back leaves the options as they were, so
    // the close still does not write them unless the user changes one.
    options_.adoptSavedFile();
}

void AppLifecycle::Form_Resize() {
    const bool minimized = window_.isMinimized();
    const bool unchanged = !minimized && !wasMinimized_ && window_.size() == resizedTo_;
    wasMinimized_ = minimized;
    resizedTo_ = window_.size();
    if (minimized || unchanged) return;
    if (seams_.appearance.topMostChecked()) window_.makeTopMost();
    if (!state_.options.optCheck[OptCheck::RefreshWhenRestored]) return;
    seams_.playlist.mnuRefresh(kRefreshWithoutLengthTest);
}

void AppLifecycle::mnuForceEnd_Click() {
    ending_ = true;
    window_.endProgram();
}
