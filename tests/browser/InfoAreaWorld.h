#pragma once

#include <QDir>
#include <QFile>

#include "BrowserFakes.h"
#include "app/AppState.h"
#include "browser/InformationArea.h"
#include "common/DataFolder.h"
#include "playback/MultiMedia.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"
#include "support/FakeMciEngine.h"
#include "support/FakeSeams.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

// The information area over fakes, with files in a temporary folder.
struct InfoAreaWorld {
    QString file(const QString& name, qint64 bytes) { return dir.writeFile(name, QByteArray(bytes, 'x')); }
    void writeLyric(const QString& title, const QByteArray& text = "la\r\n") {
        QDir().mkpath(DataFolder::lyricsFolder());
        QFile lyric(DataFolder::lyricFileFor(title));
        lyric.open(QIODevice::WriteOnly);
        lyric.write(text);
    }

    TempDir dir;
    AppState state;
    RecordingStatusLine status;
    FakePathBox pathBox;
    FakeMciEngine mci;
    MultiMedia media{mci};
    FakeDialogs dialogs;
    FakeClipboard clipboard;
    FakeLauncher launcher;
    FakeBrowser browser;
    FakeLyricEditorOpener editor{state};
    InformationArea info{{state, status, pathBox, media, dialogs, clipboard, launcher, browser, editor}};
};
