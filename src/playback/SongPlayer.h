#pragma once

#include <QString>
#include <QtGlobal>

#include "app/SongStarter.h"

struct PlaybackContext;

// Starts every song the player plays and winds up every song that ends.
// A song is opened under the alias "ZELSong", which becomes the default
// alias, so every later command addresses it with an empty alias.
class SongPlayer final : public SongStarter {
public:
    static constexpr const char* kSongAlias = "ZELSong";
    static constexpr int kTransportIntervalMs = 500;

    explicit SongPlayer(PlaybackContext& context);

    // Opens and plays the song, measures it and shows its status, caption
    // and bit rate; a blank path or a missing file only reports
    // "檔案不存在. (title)" and leaves a playing song alone. A file the
    // engine cannot open is started all the same but reported as
    // "無法播放. (title) " followed by the engine's reason.
    void SongStarted(const QString& path) override;
    // Stops the transport timer, closes the song and reports its end.
    void SongFinished();
    // The software clock: sets its position (unless pos is -1) and its time,
    // then optionally seeks the device there (leaving it paused) or plays.
    void MMSetNewPos(qint32 pos, bool doSeek, bool doPlay);
    // Puts the path in front of the recent files and refreshes the menu.
    void AddToFileHist(const QString& path);
    // The recent-files menu: starts entry `index` (1..10).
    void mnuFileHist_Click(int index);

    // The software clock's time: ms since midnight.
    double clockNowMs() const;

private:
    QString startText(const QString& title, qint16 openCode) const;
    QString displayTitle(const QString& path) const;
    QString songCaption() const;

    PlaybackContext& ctx_;
};
