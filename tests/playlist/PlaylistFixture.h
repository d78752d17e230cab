#pragma once

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

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
    const TempDir& dir() const { return dir_; }

private:
    QByteArray previous_;
    TempDir dir_;
};

// What the playlist runs on in tests: a clean data folder, a folder for song
// files, scripted dialogs and clock, a media engine that records commands and
// a status line that keeps every text.
struct PlaylistWorld {
    PlaylistWorld() : media(fakes.mci) { state.TotalPLRep = 1; }

    // Song files s1.mp3 .. s<count>.mp3 in the song folder.
    QStringList makeSongs(int count) const {
        QStringList paths;
        for (int i = 1; i <= count; ++i) paths.append(songs.writeFile(QStringLiteral("s%1.mp3").arg(i), "x"));
        return paths;
    }
    // A window mode as the window-mode code sets it up (1 and 2 show the page view).
    void enterPageView(int mode) {
        state.WindowMode = static_cast<quint8>(mode);
        state.lblPLItemNo = mode == 1 ? 27 : 15;
        state.ShiftConst[1] = mode == 1 ? 375 : 1695;
        state.lblPLpage = 0;
    }

    ScopedDataFolder data;
    TempDir songs;
    FakeServices fakes;
    RecordingStatusLine status;
    RecordingSongStarter starter;
    AppState state;
    MultiMedia media;
};

// The playlist logic without widgets.
class PlaylistFixture : public ::testing::Test, protected PlaylistWorld {
protected:
    void addEntries(const QStringList& paths, qint32 lengthMs = 0) {
        for (const QString& p : paths) playlist.entries().append(p, lengthMs);
    }
    QStringList entryPaths() { return playlist.entries().paths(); }
    void refresh() { playlist.display().PLRefreshItems(false, QStringLiteral("-1"), false); }

    Playlist playlist{state, fakes.services, status, media, starter};
};
