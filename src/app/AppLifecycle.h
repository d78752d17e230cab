#pragma once

#include <QString>
#include <QStringList>

#include <functional>

#include "app/UnconnectedHooks.h"

class AppOptions;
class Dialogs;
class LifecycleWindow;
class MultiMedia;
class Screen;
struct AppState;

// Start-up and shut-down of the main window. Form_Load brings the program
// up and falls back to the option checker when anything fails; Form_Unload
// asks (when a song plays and the option says so), closes every media
// device and writes the options and the open playlist; the force-end command
// skips all of that.
class AppLifecycle {
public:
    // The other subsystems start-up and shut-down call into.
    struct Hooks {
        std::function<void(const QString& path)> SongStarted;
        std::function<void()> LoadDirFav;                    // folder shortcuts
        std::function<int()> playlistCount;                  // entries of the open playlist
        std::function<void(const QString& path)> PLSaveFile; // saves the open playlist
        std::function<bool()> topMostChecked;                // the appearance menu's top-most entry
        std::function<void(int index)> mnuRefresh_Click;     // the refresh menu
    };

    AppLifecycle(AppState& state, AppOptions& options, MultiMedia& media, Dialogs& dialogs,
                 const Screen& screen, LifecycleWindow& window);

    Hooks hooks;

    // `commandLine` is the one path to play, passed on unchanged. Returns
    // false when the start failed and the option checker was opened.
    bool Form_Load(const QString& commandLine);
    // Sets `cancel` when the user keeps the program running.
    void Form_Unload(bool& cancel);
    void Form_Resize();
    // "強行關閉此程式(不儲存任何東西)"
    void mnuForceEnd_Click();

    // Why the last start failed; empty after a good start.
    const QString& loadError() const { return loadError_; }
    // Hooks left unset here and in the options; empty once fully wired.
    QStringList unconnectedHooks() const;
    // Steps skipped because their hook was unset (here and in the options).
    QStringList skippedCalls() const;

private:
    void runStartSteps(const QString& commandLine);
    void saveOpenPlaylist();

    AppState& state_;
    AppOptions& options_;
    MultiMedia& media_;
    Dialogs& dialogs_;
    const Screen& screen_;
    LifecycleWindow& window_;
    QString loadError_;
    UnconnectedHooks missed_;
    // Set once the program is ending, so a late close event saves nothing.
    bool ending_ = false;
};
