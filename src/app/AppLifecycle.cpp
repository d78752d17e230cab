#include "app/AppLifecycle.h"

#include <QDebug>

#include <exception>
#include <stdexcept>

#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/LifecycleWindow.h"
#include "common/ScreenSize.h"
#include "platform/Dialogs.h"
#include "playback/MultiMedia.h"

namespace {

// A step of the start that failed without an exception of its own.
class StartFailure : public std::runtime_error {
public:
    explicit StartFailure(const QString& reason) : std::runtime_error(reason.toStdString()) {}
};

constexpr int kRefreshWithoutLengthTest = 9;  // drives, folders and files; no song-length test

}  // namespace

AppLifecycle::AppLifecycle(AppState& state, AppOptions& options, MultiMedia& media, Dialogs& dialogs,
                           const Screen& screen, LifecycleWindow& window)
    : state_(state), options_(options), media_(media), dialogs_(dialogs), screen_(screen), window_(window) {}

bool AppLifecycle::Form_Load(const QString& commandLine) {
    loadError_.clear();
    try {
        runStartSteps(commandLine);
        return true;
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

void AppLifecycle::runStartSteps(const QString& commandLine) {
    // A desktop exactly 800 pixels wide leaves no room for the window's
    // stored size.
    if (GetScreenSize(screen_, 1) == QLatin1String("800")) window_.maximize();

    QString error;
    if (!options_.LoadOptions(&error)) throw StartFailure(error);

    if (hooks.LoadDirFav)
        hooks.LoadDirFav();
    else
        missed_.missed("Form_Load", "LoadDirFav");

    state_.PLBackUpNo = 1;
    state_.VersionB = QStringLiteral("Corvane Audio Player");
    state_.VersionT = QStringLiteral(" 2004 Quorvel \u03B5 Build 3311");
    window_.setCaption(state_.VersionB + state_.VersionT);
    window_.setWelcomeLine(QStringLiteral("歡迎使用") + state_.VersionB + state_.VersionT);
    state_.WindowMode = 0;
    state_.ShiftConst[0] = 5700;

    if (commandLine.trimmed().isEmpty()) return;
    if (hooks.SongStarted)
        hooks.SongStarted(commandLine);
    else
        missed_.missed("Form_Load", "SongStarted");
}

void AppLifecycle::Form_Unload(bool& cancel) {
    if (ending_) return;
    if (state_.options.optCheck[6] && media_.MMGetMode(QString()) == MultiMedia::kModePlaying) {
        const int answer = dialogs_.messageBox(QStringLiteral("確定要關閉程式?"), MsgButtons::YesNo, MsgIcon::Question);
        if (answer == MsgResult::No) {
            cancel = true;
            return;
        }
    }
    ending_ = true;
    // From here on nothing may keep the program from ending.
    try {
        media_.MMClose(QString(), true);
    } catch (...) {
        qWarning() << "closing the media devices failed";
    }
    QString error;
    if (!options_.SaveOptions(&error)) {
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
    if (!state_.options.optCheck[1]) return;
    if (!hooks.playlistCount || !hooks.PLSaveFile) {
        if (!state_.UPlayList.isEmpty()) missed_.missed("Form_Unload", "PLSaveFile");
        return;
    }
    if (hooks.playlistCount() < 1) return;
    if (state_.UPlayList.isEmpty()) return;
    hooks.PLSaveFile(state_.UPlayList);
}

void AppLifecycle::Form_Resize() {
    if (window_.isMinimized()) return;
    if (hooks.topMostChecked && hooks.topMostChecked()) window_.makeTopMost();
    if (!state_.options.optCheck[8]) return;
    if (hooks.mnuRefresh_Click)
        hooks.mnuRefresh_Click(kRefreshWithoutLengthTest);
    else
        missed_.missed("Form_Resize", "mnuRefresh_Click");
}

void AppLifecycle::mnuForceEnd_Click() {
    ending_ = true;
    window_.endProgram();
}

QStringList AppLifecycle::unconnectedHooks() const {
    QStringList names;
    if (!hooks.SongStarted) names << QStringLiteral("SongStarted");
    if (!hooks.LoadDirFav) names << QStringLiteral("LoadDirFav");
    if (!hooks.playlistCount) names << QStringLiteral("playlistCount");
    if (!hooks.PLSaveFile) names << QStringLiteral("PLSaveFile");
    if (!hooks.topMostChecked) names << QStringLiteral("topMostChecked");
    if (!hooks.mnuRefresh_Click) names << QStringLiteral("mnuRefresh_Click");
    return names + options_.unconnectedHooks();
}

QStringList AppLifecycle::skippedCalls() const { return options_.skippedCalls() + missed_.calls(); }
