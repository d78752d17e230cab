// Renaming 10,000 files of one folder in one run: the checks, both phases
// through temporary names, on the real file system. Each iteration renames
// the whole folder to the other of two name sets, so every run moves every
// file twice, as a real run does.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "support/QuietSeams.h"
#include "common/PathText.h"
#include "platform/qt/QtFileOperations.h"
#include "rename/Frm_Rename.h"
#include "rename/RenameController.h"
#include "rename/RenameRun.h"

namespace {

constexpr int kFiles = 10000;


class SilentProgress final : public RenameProgress {
public:
    void showAction(const QString&) override {}
    void showProgress(qsizetype, qsizetype) override {}
};

QString makeFolder(const QTemporaryDir& dir) {
    const QString folder = dir.path() + QStringLiteral("/Rename");
    QDir().mkpath(folder);
    for (int i = 0; i < kFiles; ++i) {
        QFile file(folder + QStringLiteral("/歌手 %1 - 歌曲 %2.mp3").arg(i % 97).arg(i));
        file.open(QIODevice::WriteOnly);
    }
    return folder;
}

// The template of the next run: the two sets take turns.
QString nextTemplate(int run) { return run % 2 == 0 ? QStringLiteral("Track #.mp3") : QStringLiteral("曲目 #.mp3"); }

void BM_RenameTenThousandFiles(benchmark::State& state) {
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/corvane-bench-XXXXXX"));
    QuietSeams browser;  // one folder, all its files, none selected
    browser.folder = makeFolder(dir);
    BenchServices s;
    QtFileOperations files;
    SilentProgress progress;
    int run = 0;
    for (auto _ : state) {
        RenameController controller(browser, s.dialogs, files);
        controller.Form_Load();
        controller.boxes().templateText = nextTemplate(run++);
        controller.PreviewTemplate();
        if (controller.ExecuteRename(progress) != RenameController::RunResult::Renamed) state.SkipWithError("run failed");
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_RenameTenThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(6);

// The same run from the window: both lists drawn, the status labels and
// pending events after every rename.
void BM_WindowRenamesTenThousandFiles(benchmark::State& state) {
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/corvane-bench-XXXXXX"));
    QuietSeams browser;  // one folder, all its files, none selected
    browser.folder = makeFolder(dir);
    BenchServices s;
    QtFileOperations files;
    int run = 0;
    for (auto _ : state) {
        Frm_Rename window(browser, s.dialogs, files);
        window.show();
        window.controller().boxes().templateText = nextTemplate(run++);
        window.controller().PreviewTemplate();
        window.findChild<QPushButton*>(QStringLiteral("cmdExecute"))->click();
        if (window.isVisible()) state.SkipWithError("run failed");
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_WindowRenamesTenThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace

int main(int argc, char** argv) { return runBenchmarksInApplication(argc, argv); }
