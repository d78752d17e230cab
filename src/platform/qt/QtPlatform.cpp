#include "platform/qt/QtPlatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QUrl>

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }
void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

bool QtLauncher::openPath(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtLauncher::openUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

bool QtLauncher::runProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool QtLauncher::restartSelf(const QStringList& arguments) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

QSize QtScreen::desktopSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(0, 0);
}
