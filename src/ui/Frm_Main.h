#pragma once

#include <QMainWindow>

#include <memory>

#include "app/AppOptions.h"
#include "app/AppServices.h"
#include "app/AppState.h"
#include "app/StatusLine.h"
#include "app/TimerRegistry.h"
#include "common/IntervalTimer.h"
#include "playback/MultiMedia.h"
#include "playback/PlaybackContext.h"
#include "playback/SongPlayer.h"
#include "playback/TransportController.h"
#include "playback/TransportModel.h"
#include "playback/WindowCaption.h"
#include "ui/widgets/MainPanel.h"

class AppLifecycle;
class BrowserPanel;
class FileHistMenu;
class MainWindowLifecycle;
class OptionMenus;
class PlaylistPanel;
class SafeModeOpener;
class LyricHook;
class QLineEdit;
class QMenu;
class StateInspectorPanel;
class TransportPanel;


// The main window: owns the shared state, the media layer, the timers and
// the panels of every subsystem, and wires them together. The panels own
// their widgets and handlers; this class only builds the frame, the menus
// and the start-up order.
class Frm_Main : public QMainWindow, public StatusLine, public WindowCaption {
    Q_OBJECT
public:
    explicit Frm_Main(AppServices& services, QWidget* parent = nullptr);
    ~Frm_Main() override;

    AppState& state() { return state_; }
    AppServices& services() { return services_; }
    // The one media layer: its default alias is the song now loaded.
    MultiMedia& media() { return media_; }
    // Every timer by name, for the state inspector; panels add theirs.
    TimerRegistry& timers() { return timers_; }

    // Song start and finish, the software clock and the recent files.
    SongPlayer& songPlayer() { return songPlayer_; }
    SongStarter& songStarter() { return songPlayer_; }
    TransportController& transport() { return transport_; }
    TransportModel& transportModel() { return transportModel_; }
    TransportPanel* transportPanel() const { return transportPanel_; }
    StateInspectorPanel* stateInspector() const { return inspector_; }
    FileHistMenu* fileHistMenu() const { return fileHistMenu_; }
    IntervalTimer& MMTimer() { return mmTimer_; }

    // The options as the option menus hold them, with LoadOptions/SaveOptions.
    AppOptions& options() { return options_; }
    OptionMenus* optionMenus() const { return optionMenus_; }
    AppLifecycle& lifecycle() { return *lifecycle_; }
    SafeModeOpener* safeMode() const { return safeMode_; }
    BrowserPanel* browser() const { return browserPanel_; }
    PlaylistPanel* playlist() const { return playlistPanel_; }

    // Connects the lyric section: song start loads the lyric while it is
    // open, song finish clears its line, a click on the time line reloads it.
    void setLyricHook(LyricHook* hook) { playback_.lyric = hook; }

    // Brings the application up: options, start folder, caption, welcome
    // line, then the one path to play. False when the start failed and the
    // option checker took over.
    bool Form_Load(const QString& commandLine);

    // StatusLine (txtState).
    void setStatus(const QString& text) override;
    QString status() const override;
    // Writes every change of the status line to standard output as a line.
    void setEchoStatus(bool on) { echoStatus_ = on; }

    // WindowCaption: the window title.
    QString caption() const override { return windowTitle(); }
    void setCaption(const QString& text) override { setWindowTitle(text); }

    QMenu* menu(MainMenu which) const;
    // The area that holds every control at its twips position.
    QWidget* canvas() const { return canvas_; }

    QLineEdit* txtFileLink() const { return txtFileLink_; }
    QLineEdit* txtState() const { return txtState_; }

    // The caption of the window as the state describes it with no song.
    QString baseCaption() const { return state_.VersionB + state_.VersionT; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildFrame();
    void buildMenus();
    void buildPlayback();
    void buildOptions();
    void buildBrowser();
    void buildPlaylist();
    void buildHelp();

    AppServices& services_;
    AppState state_;
    MultiMedia media_;
    TimerRegistry timers_;
    TransportModel transportModel_;
    IntervalTimer mmTimer_;
    PlaybackContext playback_;
    SongPlayer songPlayer_;
    TransportController transport_;
    AppOptions options_;
    std::unique_ptr<MainWindowLifecycle> lifecycleWindow_;
    std::unique_ptr<AppLifecycle> lifecycle_;

    QWidget* canvas_ = nullptr;
    QMenu* menus_[8] = {};
    QLineEdit* txtFileLink_ = nullptr;
    QLineEdit* txtState_ = nullptr;
    TransportPanel* transportPanel_ = nullptr;
    FileHistMenu* fileHistMenu_ = nullptr;
    StateInspectorPanel* inspector_ = nullptr;
    OptionMenus* optionMenus_ = nullptr;
    SafeModeOpener* safeMode_ = nullptr;
    BrowserPanel* browserPanel_ = nullptr;
    PlaylistPanel* playlistPanel_ = nullptr;
    bool echoStatus_ = false;
};
