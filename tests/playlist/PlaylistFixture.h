#pragma once

#include <QStringList>

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/SongStarter.h"
#include "playback/MultiMedia.h"
#include "playlist/Playlist.h"
#include "support/FakeSeams.h"
#include "support/FakeServices.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

struct RecordingSongStarter final : SongStarter {
    void SongStarted(const QString& path) override { started.append(path); }
    QStringList started;
};

// A fresh data folder (the previous one comes back afterwards), a folder for song files and fakes for every service.
struct PlaylistWorld {
    PlaylistWorld() : previousDataDir(qgetenv("CORVANE_DATA_DIR")), media(fakes.mci) {
        qputenv("CORVANE_DATA_DIR", dataDir.path().toLocal8Bit());
        state.TotalPLRep = 1;
    }
    ~PlaylistWorld() { qputenv("CORVANE_DATA_DIR", previousDataDir); }

    // Song files s1.mp3 .. s<count>.mp3 in the song folder.
    QStringList makeSongs(int count) const {
        QStringList paths;
        for (int i = 1; i <= count; ++i) paths.append(songs.writeFile(QStringLiteral("s%1.mp3").arg(i), "x"));
        return paths;
    }
    // The window modes 1 and 2 show the page view, 27 or 15 rows to a page.
    void enterPageView(int mode) {
        state.WindowMode = static_cast<quint8>(mode);
        state.lblPLItemNo = mode == 1 ? 27 : 15;
        state.ShiftConst[1] = mode == 1 ? 375 : 1695;
    }

    QByteArray previousDataDir;
    TempDir dataDir, songs;
    FakeServices fakes;
    RecordingStatusLine status;
    RecordingSongStarter starter;
    FakeBrowser browser;
    FakeFileOpener opener;
    FakePathBox pathBox;
    FakeInfoArea info;
    FakePassCount passCount;
    AppState state;
    MultiMedia media;

    Playlist::Seams seams() { return {starter, browser, opener, pathBox, info, passCount, fakes.clipboard}; }
};

class PlaylistFixture : public ::testing::Test, protected PlaylistWorld {
protected:
    void addEntries(const QStringList& paths, qint32 lengthMs = 0) {
        for (const QString& p : paths) playlist.entries().append(p, lengthMs);
    }
    QStringList entryPaths() { return playlist.entries().paths(); }
    void refresh() { playlist.display().PLRefreshItems(false, QStringLiteral("-1"), false); }

    Playlist playlist{state, fakes.dialogs, fakes.clock, status, media, seams()};
};
