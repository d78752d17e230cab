#pragma once

#include <QPointer>

#include <functional>

#include "app/LifecycleWindow.h"
#include "app/WindowControl.h"

class AppLifecycle;
class Dialogs;
class Launcher;
class OptionsSavedListener;
class PathBox;
class QAction;
class QObject;
class QWidget;
class SafeModeOpener;

// LifecycleWindow for the real main window: window states, caption, the
// path box, top-most placement and the option checker, which it owns. As
// WindowControl it raises and closes the window for parts outside it.
class MainWindowLifecycle final : public LifecycleWindow, public WindowControl {
public:
    // `checkerSaves` hears of each option file the checker saves.
    MainWindowLifecycle(QWidget* window, PathBox& pathBox, Dialogs& dialogs, Launcher& launcher,
                        OptionsSavedListener& checkerSaves);

    void maximize() override;
    void minimize() override;
    bool isMinimized() const override;
    QSize size() const override;
    void setCaption(const QString& caption) override;
    void setWelcomeLine(const QString& text) override;
    void makeTopMost() override;
    void showOptionChecker() override;
    void closeOptionChecker() override;
    void endProgram() override;

    void raiseWindow() override;
    bool closeWindow() override;

    SafeModeOpener& safeMode() { return *safeMode_; }

    // The file menu's "強行關閉此程式(不儲存任何東西)" (mnuForceEnd).
    static QAction* createForceEndAction(AppLifecycle& lifecycle, QObject* parent);

    // How the program ends at once; by default the event loop ends without
    // closing any window, so no close handler runs.
    std::function<void()> onEnd;

private:
    QPointer<QWidget> window_;
    PathBox& pathBox_;
    SafeModeOpener* safeMode_;
};
