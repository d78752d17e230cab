#pragma once

#include <QString>

#include <vector>

#include "app/AppState.h"
#include "common/IntervalTimer.h"
#include "playback/LyricHook.h"
#include "playback/MultiMedia.h"
#include "playback/PlaybackContext.h"
#include "playback/SongPlayer.h"
#include "playback/TransportController.h"
#include "playback/TransportModel.h"
#include "playback/WindowCaption.h"
#include "support/FakeServices.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

class FakeCaption final : public WindowCaption {
public:
    QString caption() const override { return text; }
    void setCaption(const QString& t) override { text = t; }
    QString text = QStringLiteral("Corvane Audio Player 2004 Quorvel \u03B5 Build 3311");
};

class RecordingLyricHook final : public LyricHook {
public:
    bool lyricSectionOpen() const override { return open; }
    void LoadLyricFile(qint32 startMs) override { loads.push_back(startMs); }
    void clearLyricLine() override { ++clears; }
    bool open = false;
    std::vector<qint32> loads;  // (QList== of two empty int lists trips UBSan inside Qt)
    int clears = 0;
};

// Song start and the transport on fakes: the media engine answers from a
// script, the clock stands still until moved, dialogs answer from queues.
// Given `real` services, they run on those instead.
struct PlaybackRig {
    explicit PlaybackRig(AppServices* real = nullptr) : services(real ? *real : fakes.services) {
        context.lyric = &lyric;
    }
    ~PlaybackRig() {  // a real song must not play on into the next test
        timer.set(0, false);
        media.MMClose(QString(), true);
    }

    FakeServices fakes;
    AppServices& services;
    AppState state;
    MultiMedia media{services.mci};
    RecordingStatusLine status;
    FakeCaption caption;
    TransportModel display;
    IntervalTimer timer;
    RecordingLyricHook lyric;
    PlaybackContext context{state, services, media, status, caption, display, timer};
    SongPlayer player{context};
    TransportController transport{context, player};
    TempDir dir;

    // "Blue Sky", started and playing, its commands forgotten; at 60 s a unit of the time line is 30 ms.
    QString startPlaying(qint32 lengthMs = 60000) {
        const QString path = dir.writeFile(QStringLiteral("Blue Sky.wav"), "0123456789");
        fakes.mci.answer(QStringLiteral("Status ZELSong length"), QString::number(lengthMs));
        player.SongStarted(path);
        fakes.mci.clear();
        setMode(QStringLiteral("playing"));
        return path;
    }
    void setMode(const QString& word) { fakes.mci.answer(QStringLiteral("Status ZELSong mode"), word); }
    void setPosition(qint32 ms) { fakes.mci.answer(QStringLiteral("Status ZELSong position"), QString::number(ms)); }
    // Commands sent, without the status queries, joined by " | ".
    QString actions() const {
        QStringList list;
        for (const QString& c : fakes.mci.commands())
            if (!c.startsWith(QLatin1String("Status "))) list.append(c);
        return list.join(QStringLiteral(" | "));
    }
};
