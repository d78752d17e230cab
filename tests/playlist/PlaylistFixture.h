#pragma once

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

#include "app/AppState.h"
#include "app/SongStarter.h"
#include "playback/MultiMedia.h"
#include "playlist/Playlist.h"
#include "support/FakeServices.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

// Records the songs it is asked to start.
class RecordingSongStarter final : public SongStarter {
public:
    void SongStarted(const QString& path) override { started.append(path); }
    QStringList started;
};

// Points the data folder at a fresh temporary folder for one test and puts
// the previous one back afterwards.
class ScopedDataFolder {
public:
    ScopedDataFolder() : previous_(qgetenv("CORVANE_DATA_DIR")) {
        QDir().mkpath(dir_.path(QStringLiteral("Lyrics")));
        qputenv("CORVANE_DATA_DIR", dir_.path().toLocal8Bit());
    }
    ~ScopedDataFolder() { qputenv("CORVANE_DATA_DIR", previous_); }
    QString path(const QString& relative) const { return dir_.path(relative); }
    const TempDir& dir() const { return dir_; }

private:
    QByteArray previous_;
    TempDir dir_;
};

// The playlist logic over fakes: scripted dialogs and clock, a media engine
// that records commands, a status line that keeps every text, a clean data
// folder and a folder for song files.
class PlaylistFixture : public ::testing::Test {
protected:
    PlaylistFixture() : media(fakes.mci) {
        state.TotalPLRep = 1;
        playlist = std::make_unique<Playlist>(state, fakes.services, status, media, starter);
    }

    // Creates song files (empty) in the song folder; returns their paths.
    QStringList makeSongs(const QStringList& names) const {
        QStringList paths;
        for (const QString& name : names) paths.append(songs.writeFile(name, QByteArray("x")));
        return paths;
    }
    void addEntries(const QStringList& paths, qint32 lengthMs = 0) {
        for (const QString& p : paths) playlist->entries().append(p, lengthMs);
    }
    QStringList entryPaths() const { return playlist->entries().paths(); }
    void refresh() { playlist->display().PLRefreshItems(false, QStringLiteral("-1"), false); }

    ScopedDataFolder data;
    TempDir songs;
    FakeServices fakes;
    RecordingStatusLine status;
    RecordingSongStarter starter;
    AppState state;
    MultiMedia media;
    std::unique_ptr<Playlist> playlist;
};
