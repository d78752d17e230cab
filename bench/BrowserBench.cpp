// Showing a folder of 20,000 files: reading and sorting the names, fitting
// the two lists, and the whole step the browser takes when the user opens
// such a folder (lists filled, count label, fit).
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "BenchSupport.h"
#include "browser/BrowserNavigator.h"
#include "browser/BrowserPanel.h"
#include "browser/FilePattern.h"
#include "browser/FolderReader.h"
#include "browser/ListFit.h"
#include "support/QuietSeams.h"

namespace {

constexpr int kFiles = 20000;

// The folder is made once per run; the file system caches it after the
// first listing, so the figures are the warm ones.
const QString& bigFolder() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/corvane-bench-XXXXXX"));
    static const QString folder = [] {
        const QString path = dir.path() + QStringLiteral("/Big");
        QDir().mkpath(path);
        for (int i = 0; i < 12; ++i) QDir().mkpath(path + QStringLiteral("/專輯 %1").arg(i));
        const char* extensions[] = {"mp3", "MP3", "wav", "mid", "txt"};
        for (int i = 0; i < kFiles; ++i) {
            QFile file(path + QStringLiteral("/歌手 %1 - 歌曲 %2.%3").arg(i % 97).arg(i).arg(QLatin1String(extensions[i % 5])));
            file.open(QIODevice::WriteOnly);
        }
        return path;
    }();
    return folder;
}

void BM_ListAndFit(benchmark::State& state) {
    const FilePattern pattern(state.range(0) == 0 ? QStringLiteral("*.*") : QStringLiteral("*.mp3;*.wav"));
    // Make the folder and read it once untimed: the figure is the warm one.
    benchmark::DoNotOptimize(FolderReader::files(bigFolder(), pattern));
    for (auto _ : state) {
        const auto folders = FolderReader::subfolders(bigFolder());
        const auto files = FolderReader::files(bigFolder(), pattern);
        const int rows = ListFit::folderRows(4, static_cast<int>(folders->size()), 0);
        benchmark::DoNotOptimize(ListFit::compute(rows, static_cast<int>(files->size()), true));
    }
}
BENCHMARK(BM_ListAndFit)->Arg(0)->Arg(1)->ArgName("filtered")->Unit(benchmark::kMillisecond);

void BM_PanelShowsFolder(benchmark::State& state) {
    BenchServices s;
    QuietSeams seams;
    BrowserNavigator navigator(s.state, s.quiet, s.dialogs, s.clipboard, seams, seams, seams, seams.info());
    QWidget canvas;  // goes before the navigator its panel draws
    canvas.resize(800, 560);
    new BrowserPanel(&canvas, navigator);
    canvas.show();
    const QString empty = bigFolder() + QStringLiteral("/專輯 0");
    for (auto _ : state) {
        // From a small folder into the big one, as a click does.
        state.PauseTiming();
        navigator.ChangeDirPath(empty, true);
        QApplication::processEvents();
        state.ResumeTiming();
        navigator.ChangeDirPath(bigFolder(), true);
        QApplication::processEvents();  // the lists lay out and paint
    }
}
BENCHMARK(BM_PanelShowsFolder)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runBenchmarksInApplication(argc, argv); }
