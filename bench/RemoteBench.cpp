// Echo round trips over loopback: one connection, one command and one reply
// each, with the caller in the accept list and a client that closes its
// sending side, so neither end waits for a quiet line.
#include <QCoreApplication>
#include <QEventLoop>

#include "BenchSupport.h"
#include "playback/Transport.h"
#include "remote/IpLists.h"
#include "remote/RemoteClient.h"
#include "remote/RemoteCommands.h"
#include "remote/RemoteHost.h"
#include "support/QuietSeams.h"

namespace {




void BM_EchoRoundTrips(benchmark::State& state) {
    BenchServices bench;
    QuietSeams seams;  // the echo command touches none of the player's parts
    RemoteCommands commands(seams, seams, seams, seams);
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
