#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempDir::TempDir() : dir_(QDir::tempPath() + QStringLiteral("/corvane-case-XXXXXX")) {}

QString TempDir::path(const QString& relative) const {
    return relative.isEmpty() ? dir_.path() : dir_.path() + QLatin1Char('/') + relative;
}

QString TempDir::writeFile(const QString& relative, const QByteArray& bytes) const {
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return full;
}

QString TempDir::makeDir(const QString& relative) const {
    const QString full = path(relative);
    QDir().mkpath(full);
    return full;
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}
