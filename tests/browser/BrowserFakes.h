#pragma once

// Recorders for the seams the browser's openers hand files to.
#include <QList>
#include <QStringList>

#include <utility>

#include "app/AppState.h"
#include "app/SongStarter.h"
#include "browser/OpenGroupHandler.h"
#include "lyrics/LyricEditorOpener.h"

struct RecordingSongStarter final : SongStarter {
    void SongStarted(const QString& path) override { started.append(path); }
    QStringList started;
};

struct RecordingOpenGroupHandler final : OpenGroupHandler {
    void openFile(const QString& path, OpenGroup group) override { opened.append({path, group}); }
    QList<std::pair<QString, OpenGroup>> opened;
};

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
