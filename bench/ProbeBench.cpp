// How long "status length" takes: the header probes against a GStreamer
// pre-roll with a duration query, on the same generated files. Goals: the
// probe at least 20 times faster for MP3, WAV and MIDI, and a five-minute
// VBR MP3 measured in under 2 ms with the file in the page cache.
#include <gst/gst.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "MediaGen.h"
#include "platform/mci/MediaProbe.h"

namespace {

struct BenchFile {
    const char* name;
    QString path;
};

QList<BenchFile> makeFiles(const QTemporaryDir& dir) {
    const auto path = [&](const char* name) { return dir.path() + QLatin1Char('/') + QLatin1String(name); };
    QList<BenchFile> files{{"wav_30s", path("a.wav")},
                           {"mp3_cbr_30s_scan", path("cbr.mp3")},
                           {"mp3_vbr_5min_xing", path("vbr.mp3")},
                           {"mp3_cbr_5min_scan", path("long-cbr.mp3")},
                           {"midi_format1_50s", path("a.mid")}};
    MediaGen::writeWave(files[0].path, {30000});
    MediaGen::encodeMp3(files[1].path, {{30000}, false, 128});
    MediaGen::encodeMp3(files[2].path, {{300000}, true, 128, 4, true});
    MediaGen::encodeMp3(files[3].path, {{300000}, false, 128});
    MediaGen::MidiSong midi;
    midi.format = 1;
    midi.noteTracks = 4;
    midi.sections = {{40, 500000}, {40, 250000}, {20, 1000000}};  // 20 s + 10 s + 20 s
    MediaGen::writeMidi(files[4].path, midi);
    return files;
}

void probe(benchmark::State& state, QString path) {
    qint64 length = 0;
    for (auto _ : state) {
        length = MediaProbe::fileLengthMs(path).value_or(-1);
        benchmark::DoNotOptimize(length);
    }
    state.counters["length_ms"] = static_cast<double>(length);
}

// What the engine falls back to: a playbin pre-rolled into a fake sink and
// asked for its duration.
void preroll(benchmark::State& state, QString path) {
    gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), nullptr);
    gint64 duration = -1;
    for (auto _ : state) {
        GstElement* playbin = gst_element_factory_make("playbin", nullptr);
        GstElement* sink = gst_element_factory_make("fakesink", nullptr);
        g_object_set(playbin, "uri", uri, "audio-sink", sink, "flags", 0x02, nullptr);
        gst_element_set_state(playbin, GST_STATE_PAUSED);
        gst_element_get_state(playbin, nullptr, nullptr, 5 * GST_SECOND);
        // Some demuxers answer the duration a moment after the pre-roll.
        for (int i = 0; i < 50 && !gst_element_query_duration(playbin, GST_FORMAT_TIME, &duration); ++i)
            g_usleep(2000);
        gst_element_set_state(playbin, GST_STATE_NULL);
        gst_object_unref(playbin);
    }
    g_free(uri);
    state.counters["length_ms"] = static_cast<double>(duration / GST_MSECOND);
}

}  // namespace

int main(int argc, char** argv) {
    gst_init(nullptr, nullptr);
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/corvane-probe-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    for (const BenchFile& file : makeFiles(dir)) {
        benchmark::RegisterBenchmark((std::string("probe/") + file.name).c_str(), probe, file.path)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("preroll/") + file.name).c_str(), preroll, file.path)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.5);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
