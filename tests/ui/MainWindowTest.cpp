#include <gtest/gtest.h>

#include <QLineEdit>

#include "support/FakeClipboard.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"
#include "support/FakeScreen.h"
#include "ui/Frm_Main.h"

namespace {

struct Fakes {
    FakeDialogs dialogs;
    FakeClipboard clipboard;
    FakeLauncher launcher;
    FakeClock clock;
    FakeScreen screen;
    AppServices services{dialogs, clipboard, launcher, clock, screen};
};

TEST(MainWindow, StartsWithCaptionWelcomeLineAndFullModeSize) {
    Fakes fakes;
    Frm_Main window(fakes.services);
    window.Form_Load(QString());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvane Audio Player 2004 Quorvel ε Build 3311"));
    EXPECT_EQ(window.txtFileLink()->text(),
              QStringLiteral("歡迎使用Corvane Audio Player 2004 Quorvel ε Build 3311"));
    EXPECT_EQ(window.size(), QSize(12000 / 15, 8385 / 15));
    EXPECT_EQ(window.state().ShiftConst[0], 5700);
    EXPECT_EQ(window.state().PLBackUpNo, 1);
}

TEST(MainWindow, StatusLineKeepsTheLastText) {
    Fakes fakes;
    Frm_Main window(fakes.services);
    window.setStatus(QStringLiteral("播放中...(song)"));
    EXPECT_EQ(window.status(), QStringLiteral("播放中...(song)"));
    EXPECT_EQ(window.txtState()->text(), QStringLiteral("播放中...(song)"));
}

}  // namespace
