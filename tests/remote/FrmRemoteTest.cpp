#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "RemoteRig.h"
#include "common/CodePage.h"
#include "common/DataFolder.h"
#include "remote/Frm_Remote.h"
#include "support/QStringPrinter.h"

namespace {

class FrmRemoteTest : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(IpLists::defaultPath()); }
    void TearDown() override { QFile::remove(IpLists::defaultPath()); }

    QListWidget* list(const Frm_Remote& window, int index) {
        return window.findChild<QListWidget*>(QStringLiteral("listIP(%1)").arg(index));
    }
    QStringList rows(QListWidget* widget) {
        QStringList shown;
        for (int row = 0; row < widget->count(); ++row) shown << widget->item(row)->text();
        return shown;
    }
    void click(const Frm_Remote& window, const char* button) {
        auto* found = window.findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(found, nullptr) << button;
        found->click();
    }
    void type(const Frm_Remote& window, const char* box, const QString& text) {
        auto* found = window.findChild<QLineEdit*>(QLatin1String(box));
        ASSERT_NE(found, nullptr) << box;
        found->setText(text);
    }

    RemotePlayerRig rig;
    RemoteSeams seams{rig.player, rig.player, rig.playlist, rig.browser};
};

TEST_F(FrmRemoteTest, DoubleClickAddsAndRightClickRemoves) {
    Frm_Remote window(seams, rig.dialogs, rig.clock);
    window.show();
    rig.dialogs.inputAnswers = {QStringLiteral(" 10.0.0.1 "), QString(), QStringLiteral("10.0.0.2")};
    QListWidget* temporaryRefuse = list(window, IpLists::TempRefuse);
    ASSERT_NE(temporaryRefuse, nullptr);
    for (int i = 0; i < 3; ++i) QTest::mouseDClick(temporaryRefuse->viewport(), Qt::LeftButton);
    ASSERT_EQ(rig.dialogs.inputs.size(), 3);
    EXPECT_EQ(rig.dialogs.inputs[0].prompt, QStringLiteral("請輸入要新增的IP至 [暫時拒絕的IP]"));
    EXPECT_EQ(rig.dialogs.inputs[0].title, QStringLiteral("新增IP至ListBox"));
    EXPECT_EQ(rows(temporaryRefuse), (QStringList{QStringLiteral("10.0.0.1"), QStringLiteral("10.0.0.2")}))
        << "spaces removed, a cancelled box adds nothing";

    temporaryRefuse->setCurrentRow(0);
    QTest::mouseRelease(temporaryRefuse->viewport(), Qt::RightButton);
    EXPECT_EQ(rows(temporaryRefuse), QStringList{QStringLiteral("10.0.0.2")});
    EXPECT_EQ(temporaryRefuse->currentRow(), 0) << "the last line is selected";
    EXPECT_EQ(window.controller().lists().list(IpLists::TempRefuse), QStringList{QStringLiteral("10.0.0.2")});
}

TEST_F(FrmRemoteTest, SavedAutomaticListsComeBackWhenTheWindowOpens) {
    {
        Frm_Remote window(seams, rig.dialogs, rig.clock);
        window.controller().lists().append(IpLists::AutoAccept, QStringLiteral("10.0.0.1"));
        window.controller().lists().append(IpLists::TempAccept, QStringLiteral("10.0.0.3"));
        click(window, "cmdSaveDefineIP");
    }
    Frm_Remote reopened(seams, rig.dialogs, rig.clock);
    EXPECT_EQ(rows(list(reopened, IpLists::AutoAccept)), QStringList{QStringLiteral("10.0.0.1")});
    EXPECT_EQ(rows(list(reopened, IpLists::TempAccept)), QStringList()) << "temporary lists are not kept";
}

TEST_F(FrmRemoteTest, BadPortTextsAreRefusedWithTheMessage) {
    Frm_Remote window(seams, rig.dialogs, rig.clock);
    const char* const badPorts[] = {"", "abc", "70000", "-1"};
    for (const char* port : badPorts) {
        rig.dialogs.messages.clear();
        type(window, "txtLocalPort", QLatin1String(port));
        click(window, "cmdListen");
        ASSERT_EQ(rig.dialogs.messages.size(), 1) << "listen on '" << port << "'";
        EXPECT_EQ(rig.dialogs.messages[0].text, QStringLiteral("不正確的Port屬性值。"));
        EXPECT_EQ(rig.dialogs.messages[0].icon, MsgIcon::Critical);
        EXPECT_FALSE(window.controller().host().isListening()) << port;
    }
}

TEST_F(FrmRemoteTest, OneWindowCallsAnotherOverLoopback) {
    Frm_Remote hostWindow(seams, rig.dialogs, rig.clock);
    RemotePlayerRig callerRig;
    Frm_Remote callerWindow({callerRig.player, callerRig.player, callerRig.playlist, callerRig.browser},
                            callerRig.dialogs, callerRig.clock);
    type(hostWindow, "txtLocalIP", QStringLiteral("127.0.0.1"));
    type(hostWindow, "txtLocalPort", QStringLiteral(" 0 "));
    click(hostWindow, "cmdListen");
    ASSERT_TRUE(hostWindow.controller().host().isListening());
    EXPECT_EQ(hostWindow.controller().hostLog().value(0).mid(10), QStringLiteral("本機正在線上 [127.0.0.1: 0 ]"));
    rig.dialogs.messageAnswers = {MsgResult::Yes};

    type(callerWindow, "txtRemoteIP", QStringLiteral("127.0.0.1"));
    type(callerWindow, "txtRemotePort", QString::number(hostWindow.controller().host().port()));
    type(callerWindow, "txtCommand", QStringLiteral("Stop|"));
    click(callerWindow, "cmdConnect");
    auto* reply = callerWindow.findChild<QPlainTextEdit*>(QStringLiteral("txtReturnInfo"));
    ASSERT_NE(reply, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([reply] { return !reply->toPlainText().isEmpty(); }, 10000));
    EXPECT_EQ(reply->toPlainText(), QStringLiteral("『停止』指令已執行"));
    EXPECT_EQ(rig.player.calls, QStringList{QStringLiteral("stop")});
    EXPECT_EQ(rows(list(hostWindow, IpLists::TempAccept)), QStringList{QStringLiteral("127.0.0.1")});
    EXPECT_EQ(rows(callerWindow.findChild<QListWidget*>(QStringLiteral("listClientLog"))).size(), 2);

    click(hostWindow, "cmdDisconnect");
    EXPECT_FALSE(hostWindow.controller().host().isListening());
    EXPECT_EQ(hostWindow.controller().hostLog().last().mid(10), QStringLiteral("本機已經離線"));
}

}  // namespace
