#pragma once

#include <QSize>
#include <QString>

#include <optional>

#include "app/AppOptions.h"

class Appearance;
class BrowserNavigation;
class Dialogs;
class FolderShortcuts;
class LifecycleWindow;
class MultiMedia;
class PlaylistAccess;
class Screen;
class SongStarter;
struct AppState;

// Start-up and shut-down of the main window. Form_Load brings the program
// up and falls back to the option checker when anything fails; Form_Unload
// asks (when a song plays and the option says so), closes every media
// device and writes the options and the open playlist; the force-end command
// skips all of that.
class AppLifecycle {
public:
    // The other parts start-up and shut-down call into.
    struct Seams {
        SongStarter& songs;
        PlaylistAccess& playlist;
        BrowserNavigation& browser;
        FolderShortcuts& shortcuts;
        Appearance& appearance;
    };

    AppLifecycle(AppState& state, AppOptions& options, MultiMedia& media, Dialogs& dialogs, const Screen& screen,
                 LifecycleWindow& window, Seams seams);

    // `commandLine` is the one path to play, passed on unchanged. Returns
    // false when the start failed and the option checker was opened.
    bool Form_Load(const QString& commandLine);
    // Sets `cancel` when the user keeps the program running.
    void Form_Unload(bool& cancel);
    // A resize or a change of the window's state. Coming back from the
    // minimised state brings both; the second, which changes nothing,
    // is skipped.
    void Form_Resize();
    // The option checker saved the option file: the options take its values.
    void optionsSavedByChecker();
    // "強行關閉此程式(不儲存任何東西)"
    void mnuForceEnd_Click();

    // Why the last start failed; empty after a good start.
    const QString& loadError() const { return loadError_; }

private:
    // Why the start failed, or nothing.
    std::optional<QString> runStartSteps(const QString& commandLine);
    void saveOpenPlaylist();

    AppState& state_;
    AppOptions& options_;
    MultiMedia& media_;
    Dialogs& dialogs_;
    const Screen& screen_;
    LifecycleWindow& window_;
    Seams seams_;
    QString loadError_;
    // The window as the last Form_Resize found it.
    QSize resizedTo_;
    bool wasMinimized_ = false;
    // Set once the program is ending, so a late close event saves nothing.
    bool ending_ = false;
};
