#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Byte access to a song for writing its tag in place. The tag writer only
// ever reads the last bytes and writes the last 128, so an interface this
// small covers it; tests put a file behind it that fails any step.
class TagFile {
public:
    virtual ~TagFile() = default;
    // Opens an existing file for reading and writing; never creates one.
    virtual bool open(const QString& path) = 0;
    // The length in bytes, -1 when unknown.
    virtual qint64 size() = 0;
    // Exactly `count` bytes from `offset`, or an empty array.
    virtual QByteArray read(qint64 offset, qint64 count) = 0;
    // Writes all of `bytes` at `offset`.
    virtual bool write(qint64 offset, const QByteArray& bytes) = 0;
    // Hands what was written to the file system.
    virtual bool flush() = 0;
    // Cuts the file back to `length` bytes (undoing a failed append).
    virtual bool truncate(qint64 length) = 0;
    virtual void close() = 0;
};

// The file on disk.
class DiskTagFile final : public TagFile {
public:
    DiskTagFile();
    ~DiskTagFile() override;
    bool open(const QString& path) override;
    qint64 size() override;
    QByteArray read(qint64 offset, qint64 count) override;
    bool write(qint64 offset, const QByteArray& bytes) override;
    bool flush() override;
    bool truncate(qint64 length) override;
    void close() override;

private:
    class QFile* file_;
};
