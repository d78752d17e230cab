#include "app/MainWindowLifecycle.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QWidget>

#include "app/AppLifecycle.h"
#include "app/SafeModeOpener.h"

MainWindowLifecycle::MainWindowLifecycle(QWidget* window, QLineEdit* txtFileLink, SafeModeOpener& checker)
    : onEnd([] { QCoreApplication::exit(0); }), window_(window), txtFileLink_(txtFileLink), checker_(checker) {}

void MainWindowLifecycle::maximize() {
    if (window_) window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void MainWindowLifecycle::minimize() {
    if (window_) window_->setWindowState(window_->windowState() | Qt::WindowMinimized);
}

bool MainWindowLifecycle::isMinimized() const { return window_ && window_->isMinimized(); }

void MainWindowLifecycle::setCaption(const QString& caption) {
    if (window_) window_->setWindowTitle(caption);
}

void MainWindowLifecycle::setWelcomeLine(const QString& text) {
    if (txtFileLink_) txtFileLink_->setText(text);
}

void MainWindowLifecycle::makeTopMost() {
    if (!window_ || (window_->windowFlags() & Qt::WindowStaysOnTopHint)) return;
    // Changing the flags hides the window; show it again where it was.
    const bool visible = window_->isVisible();
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible) window_->show();
}

void MainWindowLifecycle::showOptionChecker() { checker_.open(); }

void MainWindowLifecycle::endProgram() {
    if (onEnd) onEnd();
}

QAction* MainWindowLifecycle::createForceEndAction(AppLifecycle& lifecycle, QObject* parent) {
    auto* action = new QAction(QStringLiteral("強行關閉此程式(不儲存任何東西)"), parent);
    action->setObjectName(QStringLiteral("mnuForceEnd"));
    QObject::connect(action, &QAction::triggered, action, [&lifecycle] { lifecycle.mnuForceEnd_Click(); });
    return action;
}
