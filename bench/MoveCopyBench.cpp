// Moving and copying 1,000 files of 1 MB within one file system, through the
// move-and-copy run as the panel starts it: the browser's selection, the
// status texts with their event processing, and the file steps on disk. A
// move within one file system is a rename per file; a copy writes every byte
// to a temporary name first.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "browser/BrowserNavigator.h"
#include "browser/InfoArea.h"
#include "browser/MoveCopyController.h"
#include "support/QuietSeams.h"

namespace {

constexpr int kFiles = 1000;
constexpr qsizetype kFileBytes = 1024 * 1024;

struct Tree {
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/corvane-bench-XXXXXX")};
    QString a = dir.path() + QStringLiteral("/A");
    QString b = dir.path() + QStringLiteral("/B");

    Tree() {
        QDir().mkpath(a);
        QDir().mkpath(b);
        const QByteArray bytes(kFileBytes, 'x');
        for (int i = 0; i < kFiles; ++i) {
            QFile file(a + QStringLiteral("/歌曲 %1.mp3").arg(i, 4, 10, QChar(u'0')));
            if (file.open(QIODevice::WriteOnly)) file.write(bytes);
        }
    }
};

struct Run {
    BenchServices s;
    QuietSeams seams;
    NullInfoArea info;
    BrowserNavigator navigator{s.state, s.quiet, s.dialogs, s.clipboard, seams, seams, seams, info};
    MoveCopyController controller{navigator, s.quiet, s.dialogs, s.files};

    // Moves or copies every file of `from` into `to`; false unless all went.
    bool transfer(int kind, const QString& from, const QString& to) {
        navigator.ChangeDirPath(from, true);
        navigator.mnuFileSelect_Click(0);
        controller.mnuFileCopy_Click(kind);
        navigator.ChangeDirPath(to, false);
        controller.cmdFCNext_Click();
        return s.quiet.status().contains(QStringLiteral("共%1個檔案").arg(kFiles));
    }
};

void BM_MoveThousandFiles(benchmark::State& state) {
    Tree tree;
    Run run;
    bool forth = true;
    for (auto _ : state) {
        // Back and forth: every run moves every file once.
        if (!run.transfer(0, forth ? tree.a : tree.b, forth ? tree.b : tree.a)) state.SkipWithError("move failed");
        forth = !forth;
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_MoveThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_CopyThousandFiles(benchmark::State& state) {
    Tree tree;
    Run run;
    for (auto _ : state) {
        if (!run.transfer(1, tree.a, tree.b)) state.SkipWithError("copy failed");
        state.PauseTiming();
        QDir(tree.b).removeRecursively();
        QDir().mkpath(tree.b);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
    state.SetBytesProcessed(state.iterations() * kFiles * kFileBytes);
}
BENCHMARK(BM_CopyThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return runBenchmarksInApplication(argc, argv); }
