// The largest playlist (32,767 entries): loading it and building the full
// display, as a load does, must stay well under a blink (goal: 300 ms warm);
// saving it, showing it in the list box and clearing its missing files are
// measured next to it. A 100 MB
// file of random bytes given as a playlist must be refused at once (goal:
// 50 ms), since only its first 64 KiB are read.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QWidget>

#include <vector>

#include "BenchSupport.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistPanel.h"
#include "support/QuietSeams.h"

namespace {

// Songs on disk (so every line asks the file system) in album folders, a
// lyric for every tenth title, and the playlist file naming them all.
struct BigPlaylist {
    BigPlaylist() {
        const QString data = dir.path() + QStringLiteral("/Corvane Player/");
        QDir().mkpath(data + QStringLiteral("Lyrics"));
        qputenv("CORVANE_DATA_DIR", data.toLocal8Bit());
        QString text;
        for (int i = 0; i < 32767; ++i) {
            const QString folder = dir.path() + QStringLiteral("/音樂/專輯 %1/").arg(i / 100);
            if (i % 100 == 0) QDir().mkpath(folder);
            const QString title = QStringLiteral("歌曲 %1 - 藍天").arg(i);
            QFile song(folder + title + QStringLiteral(".mp3"));
            if (song.open(QIODevice::WriteOnly)) song.write("x");
            if (i % 10 == 0) {
                QFile lyric(data + QStringLiteral("Lyrics/") + title + QStringLiteral(".lyr"));
                if (lyric.open(QIODevice::WriteOnly)) lyric.write("x");
            }
            text += folder + title + QStringLiteral(".mp3\r\n");
        }
        file = data + QStringLiteral("playlist.ini");
        QFile list(file);
        if (list.open(QIODevice::WriteOnly)) list.write(text.toUtf8());
    }
    QTemporaryDir dir;
    QString file;
};

BigPlaylist& bigPlaylist() {
    static BigPlaylist list;
    return list;
}

void BM_LoadAndFullDisplay(benchmark::State& run) {
    BigPlaylist& list = bigPlaylist();
    BenchServices s;
    QuietSeams seams;
    Playlist playlist(s.state, s.dialogs, s.clock, s.quiet, s.media, seams.forPlaylist());
    for (auto _ : run) {
        playlist.store().PLLoadFile(list.file, false);
        benchmark::DoNotOptimize(playlist.display().lines().count());
    }
    if (playlist.display().lines().count() != 32767) run.SkipWithError("not every entry was shown");
}
BENCHMARK(BM_LoadAndFullDisplay)->Unit(benchmark::kMillisecond);

// 100 MB of random bytes, written once in 1 MB pieces.
struct RandomFile {
    RandomFile() {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly)) return;
        QRandomGenerator draw(2024);
        std::vector<quint32> piece(256 * 1024);
        for (int mb = 0; mb < 100; ++mb) {
            draw.fillRange(piece.data(), static_cast<qsizetype>(piece.size()));
            out.write(reinterpret_cast<const char*>(piece.data()), static_cast<qint64>(piece.size() * sizeof(quint32)));
        }
    }
    QTemporaryDir dir;
    QString file = dir.path() + QStringLiteral("/random.ini");
};

void BM_RefuseRandom100MB(benchmark::State& run) {
    static RandomFile random;
    BenchServices s;
    QuietSeams seams;
    Playlist playlist(s.state, s.dialogs, s.clock, s.quiet, s.media, seams.forPlaylist());
    bool loaded = false;
    for (auto _ : run) loaded = playlist.store().PLLoadFile(random.file, false) || loaded;
    if (loaded || QFileInfo(random.file).size() != 100 * 1024 * 1024)
        run.SkipWithError("the random file was not refused");
}
BENCHMARK(BM_RefuseRandom100MB)->Unit(benchmark::kMillisecond);

void BM_LoadIntoTheListBox(benchmark::State& run) {
    BigPlaylist& list = bigPlaylist();
    BenchServices s;
    QWidget canvas;
    canvas.resize(800, 560);
    QuietSeams seams;
    Playlist playlist(s.state, s.dialogs, s.clock, s.quiet, s.media, seams.forPlaylist());
    new PlaylistPanel(&canvas, playlist, s.state);
    canvas.show();
    for (auto _ : run) {
        playlist.PLLoadFile(list.file, false);
        QApplication::processEvents();  // the list box lays out and paints
    }
}
BENCHMARK(BM_LoadIntoTheListBox)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& run) {
    BigPlaylist& list = bigPlaylist();
    BenchServices s;
    QuietSeams seams;
    Playlist playlist(s.state, s.dialogs, s.clock, s.quiet, s.media, seams.forPlaylist());
    playlist.store().PLLoadFile(list.file, false);
    const QString target = list.dir.path() + QStringLiteral("/saved.ini");
    for (auto _ : run) benchmark::DoNotOptimize(playlist.store().PLSaveFile(target));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// Clearing missing files from the largest list, every other entry gone:
// each path is looked up and the rest rebuilt, as quick as a load (goal:
// 300 ms), so the command never needs a progress display.
void BM_RemoveInvalidHalfOfTheLargestList(benchmark::State& run) {
    BigPlaylist& list = bigPlaylist();
    BenchServices s;
    QuietSeams seams;
    Playlist playlist(s.state, s.dialogs, s.clock, s.quiet, s.media, seams.forPlaylist());
    for (auto _ : run) {
        run.PauseTiming();
        playlist.store().PLLoadFile(list.file, false);
        playlist.lengthTest().stop();
        for (int i = 0; i < playlist.entries().count(); i += 2)
            playlist.entries().setPath(i, playlist.entries().path(i) + QStringLiteral(".gone"));
        run.ResumeTiming();
        playlist.editing().mnuRemoveInvalidPLItem();
    }
    if (playlist.entries().count() != 32767 / 2) run.SkipWithError("not exactly the missing half was removed");
}
BENCHMARK(BM_RemoveInvalidHalfOfTheLargestList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runBenchmarksInApplication(argc, argv); }
