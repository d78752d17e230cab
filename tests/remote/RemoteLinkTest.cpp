#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <memory>

#include "support/QStringPrinter.h"
#include "RemoteRig.h"
#include "common/CodePage.h"
#include "remote/RemoteClient.h"
#include "remote/RemoteHost.h"
#include "remote/RemoteText.h"

namespace {

const QString kLoopback = QStringLiteral("127.0.0.1");

bool waitUntil(const std::function<bool()>& done, int ms = 10000) { return QTest::qWaitFor(done, ms); }

// Two players on one machine: one hosts, the other calls.
class RemoteLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&host, &RemoteHost::logged, [this](const QString& line) { hostLog << line; });
        QObject::connect(&client, &RemoteClient::logged, [this](const QString& line) { clientLog << line; });
        QObject::connect(&host, &RemoteHost::served, [this] { ++served; });
        ASSERT_TRUE(host.listen(QHostAddress::LocalHost, 0)) << host.errorString().toStdString();
    }

    // Sends one command from the calling player to `port` (the host's by
    // default); the reply, or "(no reply)" when the client never finishes.
    QString call(const QString& command, quint16 port = 0) {
        bool finished = false;
        const auto connection =
            QObject::connect(&client, &RemoteClient::finished, [&finished] { finished = true; });
        client.connectAndSend(kLoopback, port ? port : host.port(), command, QStringLiteral("own:2450"));
        const bool arrived = waitUntil([&finished] { return finished; });
        QObject::disconnect(connection);
        return arrived ? client.returnInfo() : QStringLiteral("(no reply)");
    }

    QString lastHostLogText() const { return hostLog.isEmpty() ? QString() : hostLog.last().mid(10); }

    RemotePlayerRig hostSide;
    RemotePlayerRig clientSide;
    RemoteHost host{hostSide.commands, hostSide.lists, hostSide.dialogs, hostSide.clock};
    RemoteClient client{clientSide.clock};
    QStringList hostLog;
    QStringList clientLog;
    int served = 0;
};

TEST_F(RemoteLinkTest, AcceptedCallerGetsTheReplyOfItsCommand) {
    hostSide.lists.append(IpLists::AutoAccept, kLoopback);
    hostSide.playlist.entries = {QStringLiteral("/歌/一.mp3"), QStringLiteral("/歌/\U0001F600.mp3")};
    EXPECT_EQ(call(QStringLiteral("echo|hi")), QStringLiteral("信息已被收到"));
    EXPECT_EQ(host.ReceivedCommand(), QStringLiteral("echo|hi"));
    EXPECT_EQ(hostLog.last(), QStringLiteral("13:30:00  收到指令 [echo|hi]"));
    EXPECT_EQ(clientLog, (QStringList{QStringLiteral("13:30:00  本機正試圖連接 [own:2450]"),
                                      QStringLiteral("13:30:00  已成功連接並發放指令 [echo|hi]")}));
    EXPECT_EQ(call(QStringLiteral("ListItem|")), QStringLiteral("/歌/一.mp3\r\n/歌/\U0001F600.mp3"))
        << "a reply code page 950 cannot hold travels as UTF-8";
    EXPECT_EQ(call(QStringLiteral("play|/歌/\U0001F600.mp3")), QStringLiteral("『播放』指令已執行"));
    EXPECT_EQ(hostSide.player.calls, QStringList{QStringLiteral("SongStarted /歌/\U0001F600.mp3")})
        << "a command code page 950 cannot hold travels as UTF-8";
    EXPECT_TRUE(hostSide.dialogs.messages.isEmpty()) << "an accepted caller is never asked about";
}

// A listed refused caller, and an unknown one while nobody is at the
// screen, get nothing, and nothing runs or is asked.
TEST_F(RemoteLinkTest, RefusedCallersGetNothingAndNothingRuns) {
    const struct {
        const char* what;
        bool listed;
    } cases[] = {{"in the refuse list", true}, {"unknown, nobody at the screen", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        hostSide.lists = IpLists();
        hostLog.clear();
        if (c.listed) hostSide.lists.append(IpLists::AutoRefuse, kLoopback);
        host.setUnknownCallers(c.listed ? RemoteHost::UnknownCallers::Ask : RemoteHost::UnknownCallers::Refuse);
        EXPECT_EQ(call(QStringLiteral("stop|")), QString());
        EXPECT_TRUE(hostSide.player.calls.isEmpty());
        EXPECT_EQ(lastHostLogText(), QStringLiteral("127.0.0.1的連接已被拒絕"));
        EXPECT_TRUE(hostSide.dialogs.messages.isEmpty());
    }
}

TEST_F(RemoteLinkTest, UnknownCallerIsAskedAboutOnceUntilTheTemporaryListsAreCleared) {
    hostSide.dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
    EXPECT_EQ(call(QStringLiteral("stop|")), QString()) << "No refuses";
    ASSERT_EQ(hostSide.dialogs.messages.size(), 1);
    EXPECT_EQ(hostSide.dialogs.messages[0].text, QStringLiteral("要接受來自[127.0.0.1]的連接嗎?"));
    EXPECT_EQ(hostSide.dialogs.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(hostSide.lists.list(IpLists::TempRefuse), QStringList{kLoopback});

    EXPECT_EQ(call(QStringLiteral("stop|")), QString()) << "refused again";
    EXPECT_EQ(hostSide.dialogs.messages.size(), 1) << "without asking again";
    EXPECT_TRUE(hostSide.player.calls.isEmpty()) << "nothing from a refused caller runs";

    hostSide.lists.clearTemporary();
    EXPECT_EQ(call(QStringLiteral("stop|")), QStringLiteral("『停止』指令已執行"));
    EXPECT_EQ(hostSide.dialogs.messages.size(), 2) << "asked again after clearing";
    EXPECT_EQ(hostSide.lists.list(IpLists::TempAccept), QStringList{kLoopback});
    EXPECT_TRUE(hostLog.join(u'\n').contains(QStringLiteral("127.0.0.1的連接已被接受")));
    EXPECT_EQ(hostSide.player.calls, QStringList{QStringLiteral("stop")});
}

// Answers the question only after a second caller has had time to come in.
class SlowAnswerDialogs final : public Dialogs {
public:
    int messageBox(const QString&, MsgButtons, MsgIcon, const QString&) override {
        ++asked;
        if (whileAsking) whileAsking();
        return MsgResult::Yes;
    }
    QString inputBox(const QString&, const QString&, const QString&, std::optional<QPoint>) override { return {}; }
    QStringList openFiles(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
    std::function<void()> whileAsking;
    int asked = 0;
};

TEST_F(RemoteLinkTest, NoOtherCallerIsServedWhileTheQuestionIsOpen) {
    SlowAnswerDialogs dialogs;
    RemoteHost asking(hostSide.commands, hostSide.lists, dialogs, hostSide.clock);
    ASSERT_TRUE(asking.listen(QHostAddress::LocalHost, 0));
    int servedWhileAsking = 0;
    QObject::connect(&asking, &RemoteHost::served, [&servedWhileAsking, &dialogs] {
        if (dialogs.asked > 0 && dialogs.whileAsking) ++servedWhileAsking;
    });
    QTcpSocket second;
    dialogs.whileAsking = [&] {
        second.connectToHost(kLoopback, asking.port());
        second.write("echo|second");
        QTest::qWait(600);
        dialogs.whileAsking = nullptr;
    };
    client.connectAndSend(kLoopback, asking.port(), QStringLiteral("echo|first"), QString());
    ASSERT_TRUE(waitUntil([this] { return !client.returnInfo().isEmpty(); }));
    EXPECT_EQ(client.returnInfo(), QStringLiteral("信息已被收到"));
    EXPECT_EQ(servedWhileAsking, 0) << "a second caller was served during the question";
    EXPECT_EQ(dialogs.asked, 1) << "the second caller was asked about over the first";
    ASSERT_TRUE(waitUntil([&second] { return second.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(RemoteText::decode(second.readAll()), QStringLiteral("信息已被收到"))
        << "the second caller is served after the answer, from the temporary accept list";
}

TEST_F(RemoteLinkTest, TwoHundredCallsInARow) {
    hostSide.lists.append(IpLists::AutoAccept, kLoopback);
    for (int i = 0; i < 200; ++i) {
        const QString reply = call(QStringLiteral("echo|%1").arg(i));
        ASSERT_EQ(reply, QStringLiteral("信息已被收到")) << "call " << i;
        ASSERT_EQ(host.ReceivedCommand(), QStringLiteral("echo|%1").arg(i)) << "call " << i;
    }
    EXPECT_EQ(served, 200);
}

// A raw caller that misbehaves, then a good one that must still be answered.
struct BadCaller {
    const char* name;
    QByteArray bytes;
    bool closeSendingSide;
};

TEST_F(RemoteLinkTest, MisbehavingCallersDoNotStopTheHost) {
    hostSide.lists.append(IpLists::AutoAccept, kLoopback);
    const BadCaller callers[] = {
        {"sends nothing, keeps the line open", {}, false},
        {"sends 1 MB", QByteArray(1024 * 1024, 'a'), false},
        {"binary garbage", QByteArray("\xff\x00\xfe\x81\x40\x80\x00|\xff", 9), true},
        {"a mark and broken UTF-8", CodePage::utf8Bom() + QByteArray("echo|\xc3", 6), true},
    };
    for (const BadCaller& bad : callers) {
        QTcpSocket raw;
        raw.connectToHost(kLoopback, host.port());
        ASSERT_TRUE(waitUntil([&raw] { return raw.state() == QAbstractSocket::ConnectedState; })) << bad.name;
        raw.write(bad.bytes);
        const int servedBefore = served;
        // The host must serve this caller within its bounds while its own
        // event loop keeps turning.
        QElapsedTimer gap;
        gap.start();
        qint64 longestGap = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longestGap = qMax(longestGap, gap.restart());
        });
        tick.start(10);
        ASSERT_TRUE(waitUntil([&] { return served > servedBefore; })) << bad.name;
        EXPECT_LT(longestGap, 5000) << bad.name << ": the host held the event loop";
        EXPECT_EQ(call(QStringLiteral("echo|next")), QStringLiteral("信息已被收到")) << "after " << bad.name;
    }
}

TEST_F(RemoteLinkTest, ACallerThatDoesNotTakeItsReplyIsDroppedInTime) {
    hostSide.lists.append(IpLists::AutoAccept, kLoopback);
    for (int i = 0; i < 100000; ++i)
        hostSide.playlist.entries << QStringLiteral("/music/%1").arg(i).leftJustified(80, u'x');
    host.setLimits({200, 300, 64 * 1024});
    QTcpSocket raw;
    // A small window that is never read keeps the reply from draining.
    raw.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    raw.setReadBufferSize(1);
    raw.connectToHost(kLoopback, host.port());
    ASSERT_TRUE(waitUntil([&raw] { return raw.state() == QAbstractSocket::ConnectedState; }));
    raw.write("ListItem|");
    ASSERT_TRUE(waitUntil([this] { return served > 0; }));
    EXPECT_EQ(lastHostLogText(), QStringLiteral("不能傳回所要求的資料。"));
    hostSide.playlist.entries.clear();
    EXPECT_EQ(call(QStringLiteral("echo|next")), QStringLiteral("信息已被收到")) << "the host listens again";
}

TEST_F(RemoteLinkTest, TheCommandIsReadAtMostToItsLimit) {
    hostSide.lists.append(IpLists::AutoAccept, kLoopback);
    host.setLimits({200, 5000, 16});
    EXPECT_EQ(call(QStringLiteral("echo|0123456789abcdef")), QStringLiteral("信息已被收到"));
    EXPECT_EQ(host.ReceivedCommand(), QStringLiteral("echo|0123456789a"));
}

TEST_F(RemoteLinkTest, ClientGivesUpWhenNoReplyComes) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    // The connection waits in the backlog: open, never read, never closed.
    silent.pauseAccepting();
    client.setWaitMs(300);
    EXPECT_EQ(call(QStringLiteral("echo|hi"), silent.serverPort()), QStringLiteral("已等候1分鐘，仍沒有傳回資料，已中止等候。"))
        << clientLog.join(u'\n').toStdString();
    EXPECT_FALSE(client.WaitTimer.isActive());
}

TEST_F(RemoteLinkTest, ClientLogsAFailedConnection) {
    const quint16 port = host.port();
    host.close();
    EXPECT_NE(call(QStringLiteral("echo|hi"), port), QStringLiteral("(no reply)"));
    ASSERT_EQ(clientLog.size(), 2);
    EXPECT_FALSE(clientLog[1].mid(10).isEmpty()) << "the error's description";
    EXPECT_FALSE(client.WaitTimer.isActive());
}

}  // namespace
