#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <span>

// Random access to a file's bytes for the header probes, which read only the
// few places they need. A view stays valid until the next call on the source.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual qint64 size() const = 0;
    // Up to `length` bytes from `offset`: shorter at the end, empty past it
    // or for a negative offset or length.
    virtual std::span<const quint8> view(qint64 offset, qint64 length) = 0;
};

// Bytes already in memory (tests, fuzzing).
class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(QByteArray bytes) : bytes_(std::move(bytes)) {}
    qint64 size() const override { return bytes_.size(); }
    std::span<const quint8> view(qint64 offset, qint64 length) override;

private:
    QByteArray bytes_;
};

// A file read through one window of at least 64 KiB, so hopping from frame
// header to frame header costs one read per window, not one per header.
class FileByteSource final : public ByteSource {
public:
    // Regular files only: a device or pipe could block or never end.
    bool open(const QString& path);
    qint64 size() const override { return size_; }
    std::span<const quint8> view(qint64 offset, qint64 length) override;

private:
    QFile file_;
    qint64 size_ = 0;
    QByteArray window_;
    qint64 windowStart_ = -1;
};
