#include "lyrics/LyricFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool DiskLyricFiles::isFile(const QString& path) const { return QFileInfo(path).isFile(); }

QStringList DiskLyricFiles::fileNames(const QString& folder) const {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

TextFile::ReadResult DiskLyricFiles::read(const QString& path) { return TextFile::read(path); }

bool DiskLyricFiles::holdsBinary(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    return file.read(64 * 1024).contains('\0');
}

bool DiskLyricFiles::write(const QString& path, const QString& text, QString* error) {
    return TextFile::write(path, text, error);
}

bool DiskLyricFiles::moveToTrash(const QString& path) { return QFile::moveToTrash(path); }

bool DiskLyricFiles::remove(const QString& path, QString* error) {
    QFile file(path);
    if (file.remove()) return true;
    if (error) *error = file.errorString();
    return false;
}
