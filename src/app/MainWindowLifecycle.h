#pragma once

#include <QPointer>

#include <functional>

#include "app/LifecycleWindow.h"

class AppLifecycle;
class QAction;
class QLineEdit;
class QObject;
class QWidget;
class SafeModeOpener;

// LifecycleWindow for the real main window: window states, caption, the
// path box, top-most placement and the option checker.
class MainWindowLifecycle final : public LifecycleWindow {
public:
    MainWindowLifecycle(QWidget* window, QLineEdit* txtFileLink, SafeModeOpener& checker);

    void maximize() override;
    void minimize() override;
    bool isMinimized() const override;
    void setCaption(const QString& caption) override;
    void setWelcomeLine(const QString& text) override;
    void makeTopMost() override;
    void showOptionChecker() override;
    void endProgram() override;

    // The file menu's "強行關閉此程式(不儲存任何東西)" (mnuForceEnd).
    static QAction* createForceEndAction(AppLifecycle& lifecycle, QObject* parent);

    // How the program ends at once; by default the event loop ends without
    // closing any window, so no close handler runs.
    std::function<void()> onEnd;

private:
    QPointer<QWidget> window_;
    QPointer<QLineEdit> txtFileLink_;
    SafeModeOpener& checker_;
};
