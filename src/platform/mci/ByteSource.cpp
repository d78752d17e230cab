#include "platform/mci/ByteSource.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr qint64 kMinWindowBytes = 64 * 1024;

std::span<const quint8> clampedView(const QByteArray& bytes, qint64 start, qint64 offset, qint64 length) {
    const qint64 from = offset - start;
    const qint64 count = std::min<qint64>(length, bytes.size() - from);
    if (from < 0 || count <= 0) return {};
    return {reinterpret_cast<const quint8*>(bytes.constData()) + from, static_cast<size_t>(count)};
}

}  // namespace

std::span<const quint8> MemoryByteSource::view(qint64 offset, qint64 length) {
    if (offset < 0 || length <= 0) return {};
    return clampedView(bytes_, 0, offset, length);
}

bool FileByteSource::open(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return false;
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly)) return false;
    size_ = file_.size();
    return true;
}

std::span<const quint8> FileByteSource::view(qint64 offset, qint64 length) {
    if (offset < 0 || length <= 0 || offset >= size_ || !file_.isOpen()) return {};
    length = std::min(length, size_ - offset);
    const bool inside = windowStart_ >= 0 && offset >= windowStart_ &&
                        offset + length <= windowStart_ + window_.size();
    if (!inside) {
        const qint64 want = std::min(std::max(length, kMinWindowBytes), size_ - offset);
        window_.resize(static_cast<qsizetype>(want));
        if (!file_.seek(offset)) return {};
        const qint64 got = file_.read(window_.data(), want);
        window_.resize(static_cast<qsizetype>(std::max<qint64>(got, 0)));
        windowStart_ = offset;
    }
    return clampedView(window_, windowStart_, offset, length);
}
