#include <QFile>
#include <QFileInfo>

#include "id3/TagFile.h"

DiskTagFile::DiskTagFile() : file_(new QFile) {}

DiskTagFile::~DiskTagFile() { delete file_; }

bool DiskTagFile::open(const QString& path) {
    close();
    // A folder opens on some systems; it is never a song.
    if (!QFileInfo(path).isFile()) return false;
    file_->setFileName(path);
    return file_->open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
}

qint64 DiskTagFile::size() { return file_->isOpen() ? file_->size() : -1; }

QByteArray DiskTagFile::read(qint64 offset, qint64 count) {
    if (offset < 0 || !file_->seek(offset)) return {};
    QByteArray bytes = file_->read(count);
    return bytes.size() == count ? bytes : QByteArray();
}

bool DiskTagFile::write(qint64 offset, const QByteArray& bytes) {
    return offset >= 0 && file_->seek(offset) && file_->write(bytes) == bytes.size();
}

bool DiskTagFile::flush() { return file_->flush(); }

bool DiskTagFile::truncate(qint64 length) { return file_->resize(length); }

void DiskTagFile::close() {
    if (file_->isOpen()) file_->close();
}
