#pragma once

#include <QSize>
#include <QString>

// What start-up and shut-down do to the main window itself. The Qt main
// window implements it (MainWindowLifecycle); tests record the calls.
class LifecycleWindow {
public:
    virtual ~LifecycleWindow() = default;
    virtual void maximize() = 0;
    virtual void minimize() = 0;
    virtual bool isMinimized() const = 0;
    virtual QSize size() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    // The path box txtFileLink, which greets the user after the start.
    virtual void setWelcomeLine(const QString& text) = 0;
    // Places the window above all others again (the top-most option).
    virtual void makeTopMost() = 0;
    // Opens the option checker without blocking.
    virtual void showOptionChecker() = 0;
    // Closes the option checker, if open, without showing the main window.
    virtual void closeOptionChecker() = 0;
    // Ends the program at once: no close handling, nothing saved.
    virtual void endProgram() = 0;
};
