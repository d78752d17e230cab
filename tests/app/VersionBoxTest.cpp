#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "support/QStringPrinter.h"
#include "app/AppState.h"
#include "app/Frm_Version.h"
#include "support/FakeClipboard.h"

namespace {

TEST(VersionBox, TheIconCopiesTheBuildTextAndTheTextClosesTheBox) {
    AppState state;
    FakeClipboard clipboard;
    Frm_Version box(state, clipboard, nullptr);
    box.show();
    // The box acts when the mouse button comes up over a label.
    const auto clickOn = [&box](const char* label) {
        QLabel* widget = box.findChild<QLabel*>(QLatin1String(label));
        ASSERT_NE(widget, nullptr) << label;
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &release);
    };
    clipboard.setText(QStringLiteral("old"));
    clickOn("imgIcon");
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(clipboard.text(), QStringLiteral("Corvane Audio Player 2004 Quorvel ε Build 3311\r\n"
                                               "Last Update: 06/06/2004 13:30\r\n"
                                               "Ram Usage: 5200KB(Maximized), 3072KB(Minimized)"));
    EXPECT_TRUE(box.isVisible());
    clickOn("lblVersion");
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(clipboard.clears, 1) << "closing copies nothing";
}

}  // namespace
