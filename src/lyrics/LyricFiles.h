#pragma once

#include <QString>
#include <QStringList>

#include "common/TextFile.h"

// The files the lyric editor reads, writes and deletes. Tests hand in a
// fake that fails a chosen step, because a test running as root is not
// stopped by read-only files.
class LyricFiles {
public:
    virtual ~LyricFiles() = default;
    // True when a file (not a folder) exists at `path`.
    virtual bool isFile(const QString& path) const = 0;
    // The names of the files in `folder`, sorted.
    virtual QStringList fileNames(const QString& folder) const = 0;
    virtual TextFile::ReadResult read(const QString& path) = 0;
    // True when the file holds bytes no text file has (a NUL within its
    // first 64 KiB): a song or a program, never to be saved over as text.
    virtual bool holdsBinary(const QString& path) const = 0;
    // Replaces the file with `text` in the player's code page (UTF-8 with a
    // byte-order mark when code page 950 cannot hold it); a failed write
    // leaves the old file as it was.
    virtual bool write(const QString& path, const QString& text, QString* error) = 0;
    // Moves the file to the desktop's trash; false when it cannot.
    virtual bool moveToTrash(const QString& path) = 0;
    // Deletes the file for good.
    virtual bool remove(const QString& path, QString* error) = 0;
};

// The files on disk.
class DiskLyricFiles final : public LyricFiles {
public:
    bool isFile(const QString& path) const override;
    QStringList fileNames(const QString& folder) const override;
    TextFile::ReadResult read(const QString& path) override;
    bool holdsBinary(const QString& path) const override;
    bool write(const QString& path, const QString& text, QString* error) override;
    bool moveToTrash(const QString& path) override;
    bool remove(const QString& path, QString* error) override;
};
