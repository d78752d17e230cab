#pragma once

#include <memory>

#include "app/AppServices.h"
#include "platform/Clock.h"
#include "platform/ProcessWaveOut.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtFileOperations.h"
#include "platform/mci/MciEngine.h"
#include "platform/qt/QtPlatform.h"

// The platform services of a real run: Qt's dialogs, clipboard, launcher
// and screen, the system clock, the process's output level and the
// GStreamer media engine (or the offline one when GStreamer cannot start).
// The output level is made before the engine, which listens to it.
class RealServices {
public:
    // `screen` replaces the primary screen's size when given (the screenshot
    // tool draws the window at a fixed desktop size).
    explicit RealServices(Screen* screen = nullptr);
    ~RealServices();

    AppServices& services() { return *services_; }
    QtDialogs& dialogs() { return dialogs_; }

private:
    QtDialogs dialogs_;
    QtClipboard clipboard_;
    QtLauncher launcher_;
    SystemClock clock_;
    QtScreen screen_;
    ProcessWaveOut waveOut_;
    QtFileOperations files_;
    std::unique_ptr<MciEngine> mci_;
    std::unique_ptr<AppServices> services_;
};
