#pragma once

#include <QDir>
#include <QFile>

#include "app/AppState.h"
#include "common/DataFolder.h"
#include "lyrics/LyricEditor.h"
#include "lyrics/LyricEditorModel.h"
#include "lyrics/LyricFiles.h"
#include "support/FakeServices.h"
#include "support/QStringPrinter.h"
#include "support/TempDir.h"

// The files on disk, with chosen steps failing as a full disk, a locked
// file or a missing trash would make them fail.
class FailingLyricFiles final : public LyricFiles {
public:
    bool isFile(const QString& path) const override { return disk.isFile(path); }
    QStringList fileNames(const QString& folder) const override { return disk.fileNames(folder); }
    TextFile::ReadResult read(const QString& path) override {
        if (!failRead) return disk.read(path);
        return {false, QString(), QStringLiteral("read refused")};
    }
    bool holdsBinary(const QString& path) const override { return disk.holdsBinary(path); }
    bool write(const QString& path, const QString& text, QString* error) override {
        if (!failWrite) return disk.write(path, text, error);
        if (error) *error = QStringLiteral("disk full");
        return false;
    }
    bool moveToTrash(const QString& path) override {
        trashed << path;
        return !failTrash && QFile::remove(path);
    }
    bool remove(const QString& path, QString* error) override {
        if (!failRemove) return disk.remove(path, error);
        if (error) *error = QStringLiteral("file locked");
        return false;
    }

    bool failRead = false, failWrite = false, failTrash = false, failRemove = false;
    QStringList trashed;

private:
    DiskLyricFiles disk;
};

// The editor on an empty lyric folder in the test's data folder, with a
// temporary folder for songs.
struct LyricEditorRig {
    LyricEditorRig() { emptyLyricFolder(); }

    static void emptyLyricFolder() {
        QDir(DataFolder::lyricsFolder()).removeRecursively();
        QFile::remove(DataFolder::dirFavFile());
        QDir().mkpath(DataFolder::lyricsFolder());
    }
    // Writes a file of the lyric folder; returns its path.
    static QString lyric(const QString& name, const QByteArray& bytes) {
        const QString path = DataFolder::lyricsFolder() + name;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
        return path;
    }
    // The title bar after `what` about `name`, at the fake clock's 13:30:00.
    static QString title(const QString& name, const QString& what) {
        return QStringLiteral("歌詞編輯器 v1.35 [") + name + QStringLiteral("]  ") + what + QStringLiteral(" (13:30:00)");
    }

    FakeServices fakes;
    FailingLyricFiles files;
    AppState state;
    LyricEditorModel model;
    LyricEditor editor{model, {fakes.dialogs, fakes.clock, files, state}};
    TempDir music;
};
