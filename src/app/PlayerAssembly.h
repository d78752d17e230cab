#pragma once

#include "app/AppLifecycle.h"
#include "app/AppOptions.h"
#include "app/AppState.h"
#include "app/TimerRegistry.h"
#include "browser/BrowserNavigator.h"
#include "browser/DirFavShortcuts.h"
#include "browser/FileCommands.h"
#include "browser/FileTypeOpener.h"
#include "browser/HelpCommands.h"
#include "browser/InfoArea.h"
#include "browser/InformationArea.h"
#include "browser/MoveCopyController.h"
#include "browser/OpenDispatch.h"
#include "browser/PlaylistGroupOpener.h"
#include "common/IntervalTimer.h"
#include "lyrics/LyricDisplay.h"
#include "lyrics/LyricEditorOpener.h"
#include "lyrics/LyricEditorWindows.h"
#include "lyrics/LyricFiles.h"
#include "lyrics/SongDevice.h"
#include "playback/LyricHook.h"
#include "playback/MultiMedia.h"
#include "playback/PlaybackContext.h"
#include "playback/SongPlayer.h"
#include "playback/TransportController.h"
#include "playback/TransportListeners.h"
#include "playback/TransportModel.h"
#include "playlist/Playlist.h"
#include "ui/AppearanceOptions.h"

class AppearanceWindow;
class LifecycleWindow;
class PathBox;
class StatusLine;
class WindowCaption;
class WindowLayering;
struct AppServices;

// The player's plain parts, built in dependency order and connected to each
// other through their seams: the shared state, the media layer, song start
// and the transport, the options and start-up, the playlist and the
// browser's logic, the information area and the lyric display. Parts not
// built yet are logging stand-ins. The main window builds this after its
// frame and hands the parts to its panels; tests build it with fakes.
//
// The playlist and the browser use each other (the playlist refreshes the
// browser, adds its files and opens its entries by type; the browser adds
// to the playlist and opens playlist files into it). The playlist is built
// first, so it reaches the browser and the opener through this class, which
// passes each call on to the part built after it.
class PlayerAssembly final : private BrowserNavigation, private FileOpener {
public:
    // What the main window's frame provides to the parts.
    struct Frame {
        StatusLine& status;
        WindowCaption& caption;
        PathBox& pathBox;
        LifecycleWindow& window;
        AppearanceWindow& look;
        WindowLayering& layering;
        // Makes the lyric editor's window; none: the editor is unavailable.
        LyricEditorWindowFactory* lyricWindows = nullptr;
    };

    PlayerAssembly(AppServices& services, Frame frame);
    ~PlayerAssembly();
    PlayerAssembly(const PlayerAssembly&) = delete;
    PlayerAssembly& operator=(const PlayerAssembly&) = delete;

    AppServices& services() { return services_; }
    AppState& state() { return state_; }
    MultiMedia& media() { return media_; }
    TimerRegistry& timers() { return timers_; }
    IntervalTimer& MMTimer() { return mmTimer_; }
    TransportModel& transportModel() { return transportModel_; }
    SongPlayer& songPlayer() { return songPlayer_; }
    TransportController& transport() { return transport_; }
    AppOptions& options() { return options_; }
    AppLifecycle& lifecycle() { return lifecycle_; }
    Playlist& playlist() { return playlist_; }
    BrowserNavigator& browser() { return browser_; }
    FileOpener& fileOpener() { return opener_; }
    AppearanceOptions& appearance() { return appearance_; }
    InformationArea& infoArea() { return info_; }
    LyricDisplay& lyricDisplay() { return lyric_; }
    LyricEditorOpener& lyricEditor() { return lyricEditor_; }
    MoveCopyController& moveCopy() { return moveCopy_; }
    FileCommands& fileCommands() { return fileCommands_; }
    DirFavShortcuts& folderShortcuts() { return shortcuts_; }
    HelpCommands& help() { return help_; }

private:
    // BrowserNavigation, passed on to browser_.
    bool ChangeDirPath(const QString& path, bool isDir1) override { return browser_.ChangeDirPath(path, isDir1); }
    void refresh() override { browser_.refresh(); }
    QString currentFolder() const override { return browser_.currentFolder(); }
    QStringList fileNames() const override { return browser_.fileNames(); }
    QStringList filePathsWithExtensions(const QStringList& extensions) const override {
        return browser_.filePathsWithExtensions(extensions);
    }
    QStringList selectedFilePaths() const override { return browser_.selectedFilePaths(); }
    QString currentFilePath() const override { return browser_.currentFilePath(); }
    // FileOpener, passed on to opener_.
    void openByType(const QString& path) override { opener_.openByType(path); }

    AppServices& services_;
    AppState state_;
    MultiMedia media_;
    TimerRegistry timers_;
    TransportModel transportModel_;
    IntervalTimer mmTimer_;
    TransportListeners listeners_;

    // The information area below the browser and its lyric section.
    MediaSongDevice songDevice_;
    InformationArea info_;
    LyricDisplay lyric_;

    PlaybackContext playback_;
    SongPlayer songPlayer_;
    AppOptions options_;
    AppearanceOptions appearance_;
    Playlist playlist_;
    FileTypeOpener otherFiles_;
    PlaylistGroupOpener playlistFiles_;
    OpenDispatch opener_;
    BrowserNavigator browser_;
    MoveCopyController moveCopy_;
    FileCommands fileCommands_;
    DirFavShortcuts shortcuts_;
    HelpCommands help_;
    TransportController transport_;
    AppLifecycle lifecycle_;
    DiskLyricFiles lyricFiles_;
    LyricEditorWindows lyricEditor_;
};
