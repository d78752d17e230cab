// The lyric display and the file details: one lyric tick, the totals of a
// 10,000-file selection, and the processor time of the whole player while a
// song plays with its lyric shown against the same song without it.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>

#include <ctime>

#include "BenchSupport.h"
#include "MediaGen.h"
#include "app/PlayerAssembly.h"
#include "browser/InformationArea.h"
#include "common/DataFolder.h"
#include "lyrics/LyricDisplay.h"
#include "lyrics/LyricEditorOpener.h"
#include "lyrics/SongDevice.h"
#include "platform/mci/GstMciEngine.h"
#include "support/QuietSeams.h"
#include "ui/Frm_Main.h"

namespace {

QString writeLyric(const QString& title, int lines) {
    QDir().mkpath(DataFolder::lyricsFolder());
    QFile file(DataFolder::lyricFileFor(title));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (int i = 1; i <= lines; ++i) file.write("第" + QByteArray::number(i) + "行 窗外的雨輕輕落下\r\n");
    return file.fileName();
}

class StillSong final : public SongDevice {
public:
    quint8 songMode() override { return 1; }
    qint32 songPositionMs() override { return 0; }
};

// One tick of a 400-line lyric: the status line and the seven-line viewer
// text, as every interval of a playing lyric does.
void BM_LyricTick(benchmark::State& state) {
    BenchServices s;
    QuietSeams seams;
    StillSong song;
    LyricDisplay display(s.state, s.quiet, seams.info(), song);
    s.state.PLyricLink = writeLyric(QStringLiteral("Bench Tick"), 400);
    s.state.PSongLenL = 240000;
    display.LoadLyricFile(0);
    for (auto _ : state) {
        if (s.state.LyricNo >= s.state.LyricNoTotal + 3) s.state.LyricNo = 3;
        display.LyricTimer_Timer();
        benchmark::DoNotOptimize(display.viewerText());
    }
}
BENCHMARK(BM_LyricTick);

// Loading a 400-line lyric from the disk, as a song start does.
void BM_LoadLyric(benchmark::State& state) {
    BenchServices s;
    QuietSeams seams;
    StillSong song;
    LyricDisplay display(s.state, s.quiet, seams.info(), song);
    s.state.PLyricLink = writeLyric(QStringLiteral("Bench Load"), 400);
    s.state.PSongLenL = 240000;
    for (auto _ : state) display.LoadLyricFile(120000);
}
BENCHMARK(BM_LoadLyric)->Unit(benchmark::kMicrosecond);

// The totals of 10,000 selected files: one size query per file.
void BM_SelectionTotals(benchmark::State& state) {
    BenchServices s;
    QuietSeams browser;
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/corvane-bench-XXXXXX"));
    browser.folder = dir.path();
    for (int i = 0; i < 10000; ++i) {
        QFile file(dir.path() + QStringLiteral("/歌曲 %1.mp3").arg(i));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(i % 4096, 'x'));
        browser.selected << file.fileName();
    }
    NullLyricEditorOpener editor;
    InformationArea info({s.state, s.quiet, browser, s.media, s.dialogs, s.clipboard, s.launcher, browser, editor});
    for (auto _ : state) info.lblLoadDetails_Click(2);
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_SelectionTotals)->Unit(benchmark::kMillisecond);

void waitMs(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// The whole player (main window, GStreamer engine, its timers) for 8 s of a
// playing song: arg 0 the lyric section closed, 1 open with a 300-line lyric
// (a line every 100 ms, far more often than a real lyric), 2 open with a
// 30-line lyric (a line a second). The counter
// cpu_percent is the process's processor time over the wall time.
void BM_PlayingCpu(benchmark::State& state) {
    if (!GstMciEngine::available()) {
        state.SkipWithError("GStreamer cannot make a player here");
        return;
    }
    BenchServices s;
    GstMciEngine engine{s.waveOut};
    AppServices services{s.dialogs, s.clipboard, s.launcher, s.clock, s.screen, engine, s.waveOut, s.files};
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/corvane-bench-XXXXXX"));
    const QString song = dir.path() + QStringLiteral("/Cpu Song.wav");
    MediaGen::writeWave(song, MediaGen::Tone{30000, 44100, 2});
    // 300 lines: one every 100 ms; 30 lines: one a second, a fast real lyric.
    const bool lyric = state.range(0) != 0;
    writeLyric(QStringLiteral("Cpu Song"), state.range(0) == 1 ? 300 : 30);
    constexpr int kMeasuredMs = 8000;
    for (auto _ : state) {
        Frm_Main window{services};
        window.show();
        window.assembly().options().mnuOptComboList2_Click(2);  // DLSM 0: exactly 100 ms a line
        if (lyric) window.assembly().lyricDisplay().lblLyricSwt_Click();
        window.assembly().songPlayer().SongStarted(song);
        waitMs(500);  // the pipeline is up
        const double cpuStart = processCpuMs();
        waitMs(kMeasuredMs);
        state.counters["cpu_percent"] = (processCpuMs() - cpuStart) / kMeasuredMs * 100.0;
        state.counters["lyric_interval_ms"] = window.assembly().lyricDisplay().LyricTimer().intervalMs();
    }
}
BENCHMARK(BM_PlayingCpu)->Arg(0)->Arg(1)->Arg(2)->ArgName("lyric")->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return runBenchmarksInApplication(argc, argv); }
