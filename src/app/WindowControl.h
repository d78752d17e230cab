#pragma once

// The main window as other parts drive it from outside its own controls
// (the remote link, the desktop's media widget).
class WindowControl {
public:
    virtual ~WindowControl() = default;
    // Shows the window (restored from the minimised state) above the others.
    virtual void raiseWindow() = 0;
    // Closes the window as its close button does: the usual question while
    // a song plays, then the options and the open playlist are saved.
    // False when the user kept the program running.
    virtual bool closeWindow() = 0;
};
