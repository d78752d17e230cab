#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

#include "app/AppState.h"
#include "common/DataFolder.h"
#include "lyrics/LyricDisplay.h"
#include "support/FakeSeams.h"
#include "support/FakeSongDevice.h"
#include "support/RecordingStatusLine.h"

// The lyric display over fakes, with lyric files written into the test's
// data folder.
struct LyricTestWorld {
    // Writes Lyrics/<title>.lyr and makes it the current song's lyric.
    QString writeLyric(const QString& title, const QByteArray& bytes) {
        QDir().mkpath(DataFolder::lyricsFolder());
        const QString path = DataFolder::lyricFileFor(title);
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        file.close();
        state.PLyricLink = path;
        return path;
    }
    // A lyric of `count` lines "line 1" .. "line n", CR LF ended.
    static QByteArray numberedLines(int count) {
        QByteArray bytes;
        for (int i = 1; i <= count; ++i) bytes += "line " + QByteArray::number(i) + "\r\n";
        return bytes;
    }
    // The middle line of the viewer, the one sung now.
    QString middleLine() const {
        const QStringList lines = display.viewerText().split(QStringLiteral("\r\n"));
        return lines.size() == 7 ? lines.at(3) : QString();
    }

    AppState state;
    RecordingStatusLine status;
    FakeInfoArea info;
    FakeSongDevice song;
    LyricDisplay display{state, status, info, song};
};
