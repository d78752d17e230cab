#pragma once

#include <QDir>
#include <QFile>

#include "app/AppState.h"
#include "browser/InformationArea.h"
#include "common/DataFolder.h"
#include "lyrics/LyricEditorOpener.h"
#include "playback/MultiMedia.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeLauncher.h"
#include "support/FakeMciEngine.h"
#include "support/FakeSeams.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

// Counts the openings of the lyric editor and what it would open.
class FakeLyricEditorOpener final : public LyricEditorOpener {
public:
    explicit FakeLyricEditorOpener(const AppState& state) : state_(state) {}
    bool available() const override { return true; }
    void showLyricEditor() override { opened << state_.OpenLyricLink; }
    void showDirFavEditor() override { opened << QStringLiteral("DirFav"); }
    QStringList opened;

private:
    const AppState& state_;
};

// The information area over fakes, with files in a temporary folder.
struct InfoAreaWorld {
    QString file(const QString& name, qint64 bytes) { return dir.writeFile(name, QByteArray(bytes, 'x')); }
    void writeLyric(const QString& title) {
        QDir().mkpath(DataFolder::lyricsFolder());
        QFile lyric(DataFolder::lyricFileFor(title));
        lyric.open(QIODevice::WriteOnly);
        lyric.write("la\r\n");
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
