#pragma once

// What the panel benchmarks share: the platform services of a run that
// never waits on a question or plays a sound, and a main that runs the
// registered benchmarks inside an offscreen QApplication.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/AppServices.h"
#include "app/AppState.h"
#include "app/SongStarter.h"
#include "app/StatusLine.h"
#include "platform/Clock.h"
#include "platform/ProcessWaveOut.h"
#include "platform/SilentDialogs.h"
#include "platform/mci/OfflineMciEngine.h"
#include "platform/qt/QtFileOperations.h"
#include "platform/qt/QtPlatform.h"
#include "playback/MultiMedia.h"


// The status line and song start of the panels under measure.
class QuietStatus final : public StatusLine, public SongStarter {
public:
    void setStatus(const QString& text) override { last_ = text; }
    QString status() const override { return last_; }
    void SongStarted(const QString&) override {}

private:
    QString last_;
};

struct BenchServices {
    SilentDialogs dialogs;
    QtClipboard clipboard;
    QtLauncher launcher;
    SystemClock clock;
    QtScreen screen;
    OfflineMciEngine mci;
    ProcessWaveOut waveOut;
    QtFileOperations files;
    AppServices services{dialogs, clipboard, launcher, clock, screen, mci, waveOut, files};
    MultiMedia media{mci};
    QuietStatus quiet;
    AppState state;
};

inline int runBenchmarksInApplication(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
