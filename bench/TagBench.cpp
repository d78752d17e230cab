// Saving tags the way the tag editor's "save and step down" does it: load
// a song's tag, change the title, save, move to the next of the folder's
// 100 MP3 files of 5 MB each. Each save writes 128 bytes in place, so the
// whole round costs what the tags cost, not what the songs weigh.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "id3/TagEditor.h"
#include "id3/TagEditorModel.h"
#include "id3/TagFile.h"
#include "playback/Transport.h"
#include "playback/WindowCaption.h"
#include "support/QuietSeams.h"

namespace {

constexpr int kSongs = 100;
constexpr qint64 kSongBytes = 5 * 1024 * 1024;

// 100 untagged songs of 5 MB of real bytes, made once for every run.
const QTemporaryDir& songFolder() {
    static QTemporaryDir folder;
    static const bool made = [] {
        QByteArray audio(kSongBytes, '\0');
        for (qint64 i = 0; i < kSongBytes; ++i) audio[i] = static_cast<char>(i * 31 + 7);
        for (int i = 0; i < kSongs; ++i) {
            QFile file(folder.filePath(QStringLiteral("Song %1.mp3").arg(i, 3, 10, QLatin1Char('0'))));
            if (!file.open(QIODevice::WriteOnly) || file.write(audio) != audio.size()) return false;
        }
        return true;
    }();
    if (!made) qFatal("cannot make the songs");
    return folder;
}

void BM_SaveAndStepThroughFolder(benchmark::State& state) {
    BenchServices bench;
    QuietSeams seams;  // the browser shows the songs' folder; no song is loaded
    seams.folder = songFolder().path();
    DiskTagFile tagFile;
    TagEditorModel model;
    TagEditor editor(model, {bench.dialogs, bench.clipboard, bench.clock, tagFile, bench.state},
                     {seams, seams, seams, bench.media, seams, bench.quiet});
    editor.Form_Load();
    if (model.fileNames().size() != kSongs) state.SkipWithError("the folder's songs are not listed");
    int round = 0;
    for (auto _ : state) {
        editor.File1_Click(0);
        for (int i = 0; i < kSongs; ++i) {
            editor.txtInput_Change(TagField::Title, QStringLiteral("藍天 %1-%2").arg(round).arg(i));
            editor.cmdSave_Click(2);  // save, then the next song's tag is loaded
        }
        ++round;
    }
    state.SetItemsProcessed(state.iterations() * kSongs);
}
BENCHMARK(BM_SaveAndStepThroughFolder)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return runBenchmarksInApplication(argc, argv); }
