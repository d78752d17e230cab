#include "ui/MainWindowLook.h"

#include <QAbstractItemView>
#include <QColor>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace {

QColor toColor(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

// The lists a fixed background colours: the browser's folder and file lists
// and the playlist's list box, found by their control names, so the panels
// that own them need not know about backgrounds.
const char* const kColouredLists[] = {"Dir1", "File1", "listPLItemName"};
const char* const kNameLabel = "lblPLDetails_1";

}  // namespace

MainWindowLook::MainWindowLook(QWidget* window, QWidget* canvas) : QObject(window), window_(window), canvas_(canvas) {
    if (canvas_) canvas_->installEventFilter(this);
}

bool MainWindowLook::isMaximized() const { return window_ && window_->isMaximized(); }

void MainWindowLook::setTopMost(bool on) {
    if (!window_ || bool(window_->windowFlags() & Qt::WindowStaysOnTopHint) == on) return;
    // Changing the flags hides the window; show it again where it was.
    const bool visible = window_->isVisible();
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) window_->show();
}

bool MainWindowLook::showBackgroundPicture(const QString& path) {
    QPixmap picture;
    if (!picture.load(path)) return false;
    picture_ = picture;
    if (canvas_) canvas_->update();
    return true;
}

void MainWindowLook::setListColours(const ListColours& colours) {
    if (!canvas_) return;
    for (const char* name : kColouredLists) {
        auto* list = canvas_->findChild<QAbstractItemView*>(QLatin1String(name));
        if (!list) continue;
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, toColor(colours.listBackground));
        palette.setColor(QPalette::Text, toColor(colours.listText));
        list->setPalette(palette);
    }
    if (auto* label = canvas_->findChild<QLabel*>(QLatin1String(kNameLabel))) {
        // The label's colours are chosen for the lists' background; it gets
        // that background too, so its text stays readable on any picture.
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toColor(colours.nameLabelText));
        palette.setColor(QPalette::Window, toColor(colours.listBackground));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
}

bool MainWindowLook::eventFilter(QObject* watched, QEvent* event) {
    // The picture goes under the controls, at its own size from the corner.
    if (watched == canvas_ && event->type() == QEvent::Paint && !picture_.isNull()) {
        QPainter painter(canvas_);
        painter.drawPixmap(0, 0, picture_);
    }
    return QObject::eventFilter(watched, event);
}
