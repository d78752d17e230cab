#include <gtest/gtest.h>

#include <QLineEdit>

#include "support/FakeServices.h"
#include "ui/Frm_Main.h"

namespace {

TEST(MainWindow, StartsWithCaptionWelcomeLineAndFullModeSize) {
    FakeServices fakes;
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
    FakeServices fakes;
    Frm_Main window(fakes.services);
    window.setStatus(QStringLiteral("播放中...(song)"));
    EXPECT_EQ(window.status(), QStringLiteral("播放中...(song)"));
    EXPECT_EQ(window.txtState()->text(), QStringLiteral("播放中...(song)"));
}

}  // namespace
