#pragma once

#include <QList>
#include <QMainWindow>

#include <memory>

#include "app/OptionsSavedListener.h"
#include "app/PathBox.h"
#include "app/StatusLine.h"
#include "playback/WindowCaption.h"
#include "ui/ModeWindow.h"
#include "ui/widgets/MainPanel.h"

class FramePanel;
class MainWindowLifecycle;
class MainWindowLook;
class PlayerAssembly;
class QLineEdit;
class QtWindowLayering;
class WindowControl;
class WindowModeController;
struct AppServices;

// The main window: the frame (canvas, path box, status line, menu bar),
// the player's parts built by the assembly, and one panel per subsystem,
// each handed the parts it draws and drives. The main window loops over
// the panels for menus, timers and window modes; it makes no decisions.
class Frm_Main : public QMainWindow,
                 public MainMenus,
                 private StatusLine,
                 private WindowCaption,
                 private PathBox,
                 private OptionsSavedListener,
                 private ModeWindow {
    Q_OBJECT
public:
    explicit Frm_Main(AppServices& services, QWidget* parent = nullptr);
    ~Frm_Main() override;

    PlayerAssembly& assembly() { return *assembly_; }
    WindowModeController& windowModes() { return *modes_; }
    MainWindowLook& look() { return *look_; }
    WindowControl& windowControl();

    // Brings the application up: options, start folder, caption, welcome
    // line, then the one path to play. False when the start failed and the
    // option checker took over.
    bool Form_Load(const QString& commandLine);
    // Writes every change of the status line to standard output as a line.
    void setEchoStatus(bool on) { echoStatus_ = on; }

    QMenu* menu(MainMenu which) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildFrame();
    void buildMenus();
    void buildPanels();
    void buildAppMenus();
    void addLyricEditorEntries();

    // StatusLine (txtState).
    void setStatus(const QString& text) override;
    QString status() const override;
    // WindowCaption: the window title.
    QString caption() const override { return windowTitle(); }
    void setCaption(const QString& text) override { setWindowTitle(text); }
    // PathBox (txtFileLink).
    QString text() const override;
    void setText(const QString& text) override;
    // The option checker, which the frame owns, saved the option file.
    void optionsSaved() override;
    // ModeWindow: the window's state and size, and the panels' layouts.
    void showNormalSized(QSize twips) override;
    void maximize() override;
    void applyWindowMode(WindowMode mode) override;

    QWidget* canvas_ = nullptr;
    QMenu* menus_[8] = {};
    QLineEdit* txtFileLink_ = nullptr;
    QLineEdit* txtState_ = nullptr;
    std::unique_ptr<MainWindowLifecycle> lifecycleWindow_;
    MainWindowLook* look_ = nullptr;
    std::unique_ptr<QtWindowLayering> layering_;
    std::unique_ptr<PlayerAssembly> assembly_;
    std::unique_ptr<WindowModeController> modes_;
    std::unique_ptr<FramePanel> framePanel_;
    QList<MainPanel*> panels_;
    bool echoStatus_ = false;
};
