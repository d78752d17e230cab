#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include <memory>

#include "support/QStringPrinter.h"
#include "app/AppState.h"
#include "app/Frm_Version.h"
#include "support/FakeClipboard.h"

namespace {

const QString kText = QStringLiteral(
    "Corvane Audio Player 2004 Quorvel ε Build 3311\r\n"
    "Last Update: 06/06/2004 13:30\r\n"
    "Ram Usage: 5200KB(Maximized), 3072KB(Minimized)");

void clickOn(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

struct VersionFixture {
    VersionFixture() {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::darkCyan);
        mainWindow.setWindowIcon(QIcon(pixmap));
        boxOwner = std::make_unique<Frm_Version>(state, clipboard, &mainWindow);
        boxOwner->show();
    }
    QLabel* label(const char* name) { return boxOwner->findChild<QLabel*>(QLatin1String(name)); }

    AppState state;
    FakeClipboard clipboard;
    QWidget mainWindow;
    std::unique_ptr<Frm_Version> boxOwner;
    Frm_Version& box() { return *boxOwner; }
};

TEST(VersionBox, ShowsTheBuildTextOnThreeLines) {
    VersionFixture f;
    EXPECT_EQ(Frm_Version::versionText(f.state), kText);
    ASSERT_NE(f.label("lblVersion"), nullptr);
    EXPECT_EQ(f.label("lblVersion")->text().split(u'\n').size(), 3);
    EXPECT_FALSE(f.label("lblVersion")->text().contains(u'\r'));
    EXPECT_EQ(f.box().windowIcon().cacheKey(), f.mainWindow.windowIcon().cacheKey());
}

TEST(VersionBox, ClickingTheIconCopiesTheWholeTextAfterClearing) {
    VersionFixture f;
    f.clipboard.setText(QStringLiteral("old"));
    clickOn(f.label("imgIcon"));
    EXPECT_EQ(f.clipboard.clears, 1);
    EXPECT_EQ(f.clipboard.text(), kText);
    EXPECT_TRUE(f.box().isVisible());
}

TEST(VersionBox, ClickingTheTextClosesTheBox) {
    VersionFixture f;
    clickOn(f.label("lblVersion"));
    EXPECT_FALSE(f.box().isVisible());
    EXPECT_EQ(f.clipboard.clears, 0);
}

}  // namespace
