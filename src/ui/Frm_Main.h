#pragma once

#include <QMainWindow>

#include "app/AppServices.h"
#include "app/AppState.h"
#include "app/StatusLine.h"

class QLineEdit;
class QMenu;

// The main window's top-level menus. Each subsystem adds its entries to the
// menu it belongs to.
enum class MainMenu {
    File,      // "檔案(&F)": file commands, recent files, force end
    Playlist,  // "PlayList(&L)": playlist files, sequence, shuffle, refresh
    Play,      // "播放(&P)": mnuMMControl
    Options,   // "選項(&O)": mnuOptCheck, the choice menus, appearance
    Mode,      // "轉換模式(&A)": mnuZELMode
    GoTo,      // "移至(&M)": folder shortcuts
    Tools,     // "工具(&T)": mnuTools
    Help,      // "說明(&H)": mnuHelp
};

// The main window: owns the shared state and the panels of every subsystem,
// and wires them together. The panels own their widgets and handlers; this
// class only builds the frame, the menus and the start-up order.
class Frm_Main : public QMainWindow, public StatusLine {
    Q_OBJECT
public:
    explicit Frm_Main(AppServices& services, QWidget* parent = nullptr);
    ~Frm_Main() override;

    AppState& state() { return state_; }
    AppServices& services() { return services_; }

    // Brings the application up; `commandLine` is the one path to play.
    void Form_Load(const QString& commandLine);

    // StatusLine (txtState).
    void setStatus(const QString& text) override;
    QString status() const override;
    // Writes every change of the status line to standard output as a line.
    void setEchoStatus(bool on) { echoStatus_ = on; }

    QMenu* menu(MainMenu which) const;
    // The area that holds every control at its twips position.
    QWidget* canvas() const { return canvas_; }

    QLineEdit* txtFileLink() const { return txtFileLink_; }
    QLineEdit* txtState() const { return txtState_; }

    // The caption of the window as the state describes it with no song.
    QString baseCaption() const { return state_.VersionB + state_.VersionT; }

private:
    void buildFrame();
    void buildMenus();

    AppServices& services_;
    AppState state_;
    QWidget* canvas_ = nullptr;
    QMenu* menus_[8] = {};
    QLineEdit* txtFileLink_ = nullptr;
    QLineEdit* txtState_ = nullptr;
    bool echoStatus_ = false;
};
