#include <gtest/gtest.h>

#include <QFile>

#include "support/QStringPrinter.h"
#include "support/TempDir.h"
#include "common/CodePage.h"
#include "remote/IpLists.h"
#include "remote/RemoteText.h"

namespace {

using Verdict = IpLists::Verdict;

TEST(IpListsTest, RefuseListsAreLookedAtFirst) {
    struct Case {
        const char* name;
        QList<int> listsHoldingIt;
        Verdict expected;
    } const cases[] = {
        {"in no list", {}, Verdict::Unknown},
        {"auto accept", {IpLists::AutoAccept}, Verdict::Accept},
        {"temporary accept", {IpLists::TempAccept}, Verdict::Accept},
        {"auto refuse", {IpLists::AutoRefuse}, Verdict::Refuse},
        {"temporary refuse", {IpLists::TempRefuse}, Verdict::Refuse},
        {"auto accept and auto refuse", {IpLists::AutoAccept, IpLists::AutoRefuse}, Verdict::Refuse},
        {"temporary accept and temporary refuse", {IpLists::TempAccept, IpLists::TempRefuse}, Verdict::Refuse},
    };
    for (const Case& c : cases) {
        IpLists lists;
        for (int list : c.listsHoldingIt) lists.append(list, QStringLiteral("10.0.0.7"));
        lists.append(IpLists::AutoRefuse, QStringLiteral("10.0.0.70"));
        EXPECT_EQ(lists.verdictFor(QStringLiteral("10.0.0.7")), c.expected) << c.name;
    }
}

TEST(IpListsTest, ClearTemporaryKeepsTheAutomaticLists) {
    IpLists lists;
    for (int i = 0; i < IpLists::kCount; ++i) lists.append(i, QStringLiteral("10.0.0.%1").arg(i));
    lists.clearTemporary();
    EXPECT_EQ(lists.list(IpLists::AutoAccept), QStringList{QStringLiteral("10.0.0.0")});
    EXPECT_EQ(lists.list(IpLists::AutoRefuse), QStringList{QStringLiteral("10.0.0.1")});
    EXPECT_TRUE(lists.list(IpLists::TempAccept).isEmpty());
    EXPECT_TRUE(lists.list(IpLists::TempRefuse).isEmpty());
}

TEST(IpListsTest, RemoveAtIgnoresRowsOutsideTheList) {
    IpLists lists;
    lists.append(IpLists::TempRefuse, QStringLiteral("a"));
    lists.append(IpLists::TempRefuse, QStringLiteral("b"));
    lists.removeAt(IpLists::TempRefuse, -1);
    lists.removeAt(IpLists::TempRefuse, 2);
    EXPECT_EQ(lists.list(IpLists::TempRefuse).size(), 2);
    lists.removeAt(IpLists::TempRefuse, 0);
    EXPECT_EQ(lists.list(IpLists::TempRefuse), QStringList{QStringLiteral("b")});
}

TEST(IpListsTest, SavedFileFormatRoundTripAndMissingFile) {
    TempDir dir;
    const QString path = dir.path() + QStringLiteral("/RemoteIP.ini");
    IpLists lists;
    lists.append(IpLists::AutoAccept, QStringLiteral("127.0.0.1"));
    lists.append(IpLists::AutoAccept, QStringLiteral("10.1.1.1"));
    lists.append(IpLists::AutoRefuse, QStringLiteral("10.2.2.2"));
    lists.append(IpLists::TempAccept, QStringLiteral("10.3.3.3"));
    ASSERT_TRUE(lists.save(path));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected = CodePage::toCp950Lossy(QStringLiteral(
        "[自動接受的IP]\r\n127.0.0.1\r\n10.1.1.1\r\n[自動拒絕的IP]\r\n10.2.2.2\r\n"));
    EXPECT_EQ(file.readAll(), expected) << "code page 950, CR LF, temporary lists not stored";

    IpLists loaded;
    loaded.append(IpLists::AutoRefuse, QStringLiteral("stale"));
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.list(IpLists::AutoAccept), lists.list(IpLists::AutoAccept));
    EXPECT_EQ(loaded.list(IpLists::AutoRefuse), lists.list(IpLists::AutoRefuse));
    EXPECT_TRUE(loaded.list(IpLists::TempAccept).isEmpty());

    EXPECT_TRUE(loaded.load(dir.path() + QStringLiteral("/none.ini")));
    EXPECT_TRUE(loaded.list(IpLists::AutoAccept).isEmpty()) << "a missing file loads empty lists";
}

TEST(RemoteTextTest, WireEncodingAndAddresses) {
    const QString chinese = QStringLiteral("『播放』指令已執行");
    EXPECT_EQ(RemoteText::encode(chinese), CodePage::toCp950Lossy(chinese)) << "code page 950 when it fits";
    const QString emoji = QStringLiteral("echo|\U0001F600");
    EXPECT_TRUE(RemoteText::encode(emoji).startsWith(CodePage::utf8Bom())) << "UTF-8 behind a mark otherwise";
    EXPECT_EQ(RemoteText::decode(RemoteText::encode(emoji)), emoji);
    EXPECT_EQ(RemoteText::decode(RemoteText::encode(chinese)), chinese);
    EXPECT_EQ(RemoteText::plainAddress(QHostAddress(QStringLiteral("::ffff:127.0.0.1"))), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(RemoteText::plainAddress(QHostAddress(QStringLiteral("::1"))), QStringLiteral("::1"));
    EXPECT_EQ(RemoteText::logLine(QTime(9, 5, 3), QStringLiteral("x")), QStringLiteral("09:05:03  x"));
}

}  // namespace
