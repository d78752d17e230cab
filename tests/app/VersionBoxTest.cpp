#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

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
    for (const auto& [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                     {QEvent::MouseButtonRelease, Qt::NoButton}}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

// Gives the main window an icon of its own, which the box must take over.
QWidget* withIcon(QWidget& window) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkCyan);
    window.setWindowIcon(QIcon(pixmap));
    return &window;
}

struct VersionFixture {
    VersionFixture() { box.show(); }
    QLabel* label(const char* name) { return box.findChild<QLabel*>(QLatin1String(name)); }

    AppState state;
    FakeClipboard clipboard;
    QWidget mainWindow;
    Frm_Version box{state, clipboard, withIcon(mainWindow)};
};

TEST(VersionBox, ShowsTheBuildTextAndCopiesItFromTheIcon) {
    VersionFixture f;
    EXPECT_EQ(Frm_Version::versionText(f.state), kText);
    ASSERT_NE(f.label("lblVersion"), nullptr);
    EXPECT_EQ(f.label("lblVersion")->text().split(u'\n').size(), 3);
    EXPECT_FALSE(f.label("lblVersion")->text().contains(u'\r'));
    EXPECT_EQ(f.box.windowIcon().cacheKey(), f.mainWindow.windowIcon().cacheKey());

    // The icon copies the whole text after clearing the clipboard; the text closes the box.
    f.clipboard.setText(QStringLiteral("old"));
    clickOn(f.label("imgIcon"));
    EXPECT_EQ(f.clipboard.clears, 1);
    EXPECT_EQ(f.clipboard.text(), kText);
    EXPECT_TRUE(f.box.isVisible());
    clickOn(f.label("lblVersion"));
    EXPECT_FALSE(f.box.isVisible());
    EXPECT_EQ(f.clipboard.clears, 1) << "closing copies nothing";
}

}  // namespace
