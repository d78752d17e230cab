// Reading and splitting large text files: a playlist of the maximum 32,767
// paths goes through these on every load.
#include <benchmark/benchmark.h>

#include <QString>

#include "common/CodePage.h"
#include "common/PathText.h"

namespace {

QString bigPlaylistText(int entries) {
    QString text;
    for (int i = 0; i < entries; ++i)
        text += QStringLiteral("/home/user/音樂/專輯 %1/歌曲 %2 - 藍天.mp3\r\n").arg(i / 12).arg(i);
    return text;
}

void BM_EncodeDecodeCp950(benchmark::State& state) {
    const QString text = bigPlaylistText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QByteArray bytes = CodePage::encodeForFile(text);
        benchmark::DoNotOptimize(CodePage::decodeFile(bytes));
    }
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_EncodeDecodeCp950)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_SplitLines(benchmark::State& state) {
    const QString text = bigPlaylistText(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(CodePage::splitLines(text));
}
BENCHMARK(BM_SplitLines)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_FileTitles(benchmark::State& state) {
    const QStringList lines = CodePage::splitLines(bigPlaylistText(static_cast<int>(state.range(0))));
    for (auto _ : state)
        for (const QString& line : lines) benchmark::DoNotOptimize(GetFileTitle(line));
}
BENCHMARK(BM_FileTitles)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
