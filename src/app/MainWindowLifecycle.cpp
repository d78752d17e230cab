#include "app/MainWindowLifecycle.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

#include "app/AppLifecycle.h"
#include "app/PathBox.h"
#include "app/SafeModeOpener.h"

MainWindowLifecycle::MainWindowLifecycle(QWidget* window, PathBox& pathBox, Dialogs& dialogs, Launcher& launcher,
                                         OptionsSavedListener& checkerSaves)
    : onEnd([] { QCoreApplication::exit(0); }), window_(window), pathBox_(pathBox),
      safeMode_(new SafeModeOpener(dialogs, launcher, window, *this, checkerSaves, window)) {}

void MainWindowLifecycle::maximize() {
    if (window_) window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void MainWindowLifecycle::minimize() {
    if (window_) window_->setWindowState(window_->windowState() | Qt::WindowMinimized);
}

bool MainWindowLifecycle::isMinimized() const { return window_ && window_->isMinimized(); }

QSize MainWindowLifecycle::size() const { return window_ ? window_->size() : QSize(); }

void MainWindowLifecycle::setCaption(const QString& caption) {
    if (window_) window_->setWindowTitle(caption);
}

void MainWindowLifecycle::setWelcomeLine(const QString& text) { pathBox_.setText(text); }

void MainWindowLifecycle::makeTopMost() {
    if (!window_ || (window_->windowFlags() & Qt::WindowStaysOnTopHint)) return;
    // Changing the flags hides the window; show it again where it was.
    const bool visible = window_->isVisible();
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible) window_->show();
}

void MainWindowLifecycle::showOptionChecker() { safeMode_->open(); }

void MainWindowLifecycle::closeOptionChecker() { safeMode_->closeWithoutMainWindow(); }

void MainWindowLifecycle::endProgram() {
    if (onEnd) onEnd();
}

void MainWindowLifecycle::raiseWindow() {
    if (!window_) return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool MainWindowLifecycle::closeWindow() { return window_ && window_->close(); }

QAction* MainWindowLifecycle::createForceEndAction(AppLifecycle& lifecycle, QObject* parent) {
    auto* action = new QAction(QStringLiteral("強行關閉此程式(不儲存任何東西)"), parent);
    action->setObjectName(QStringLiteral("mnuForceEnd"));
    QObject::connect(action, &QAction::triggered, action, [&lifecycle] { lifecycle.mnuForceEnd_Click(); });
    return action;
}
