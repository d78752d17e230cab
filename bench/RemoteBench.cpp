// Echo round trips over loopback: one connection, one command and one reply
// each, with the caller in the accept list and a client that closes its
// sending side, so neither end waits for a quiet line.
#include <QCoreApplication>
#include <QEventLoop>

#include "BenchSupport.h"
#include "browser/BrowserNavigation.h"
#include "playback/Transport.h"
#include "playlist/PlaylistAccess.h"
#include "remote/IpLists.h"
#include "remote/RemoteClient.h"
#include "remote/RemoteCommands.h"
#include "remote/RemoteHost.h"

namespace {

// The echo command touches none of the player's parts.
class IdleTransport final : public Transport {
public:
    void play() override {}
    void pause() override {}
    void stop() override {}
    void seekTo(qint32) override {}
    void setSpeed(int) override {}
    int speed() override { return 1000; }
    void setVolume(int) override {}
    int volume() const override { return 1000; }
    Mode mode() override { return NoSong; }
    qint32 positionMs() override { return 0; }
    qint32 lengthMs() const override { return 0; }
    QString songPath() const override { return {}; }
    void addListener(TransportListener*) override {}
    void removeListener(TransportListener*) override {}
};

class EmptyPlaylist final : public PlaylistAccess {
public:
    bool PLLoadFile(const QString&, bool) override { return false; }
    bool PLSaveFile(const QString&) override { return false; }
    void Start(int) override {}
    void Stop() override {}
    bool isPlaying() const override { return false; }
    void next() override {}
    void previous() override {}
    int count() const override { return 0; }
    QString entryPath(int) const override { return {}; }
    QStringList lines() const override { return {}; }
    void addPaths(const QStringList&) override {}
    void mnuRefresh(int) override {}
};

class EmptyBrowser final : public BrowserNavigation {
public:
    bool ChangeDirPath(const QString&, bool) override { return false; }
    void refresh() override {}
    QString currentFolder() const override { return {}; }
    QStringList fileNames() const override { return {}; }
    QStringList filePathsWithExtensions(const QStringList&) const override { return {}; }
    QStringList selectedFilePaths() const override { return {}; }
    QString currentFilePath() const override { return {}; }
};

void BM_EchoRoundTrips(benchmark::State& state) {
    BenchServices bench;
    IdleTransport transport;
    EmptyPlaylist playlist;
    EmptyBrowser browser;
    RemoteCommands commands(bench.quiet, transport, playlist, browser);
    IpLists lists;
    lists.append(IpLists::AutoAccept, QStringLiteral("127.0.0.1"));
    RemoteHost host(commands, lists, bench.dialogs, bench.clock);
    if (!host.listen(QHostAddress::LocalHost, 0)) {
        state.SkipWithError("cannot listen on loopback");
        return;
    }
    RemoteClient client(bench.clock);
    QEventLoop loop;
    QObject::connect(&client, &RemoteClient::finished, &loop, &QEventLoop::quit);
    const QString expected = QStringLiteral("信息已被收到");
    for (auto _ : state) {
        client.connectAndSend(QStringLiteral("127.0.0.1"), host.port(), QStringLiteral("echo|hi"), QString());
        loop.exec();
        if (client.returnInfo() != expected) {
            state.SkipWithError("a round trip did not get the echo reply");
            break;
        }
    }
    state.counters["round_trips_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EchoRoundTrips)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return runBenchmarksInApplication(argc, argv); }
