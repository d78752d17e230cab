#pragma once

#include <QtGlobal>

#include "common/NotBuiltYet.h"

// What song start, song finish and seeking ask of the lyric section of the
// information area. The lyric subsystem implements it.
class LyricHook {
public:
    virtual ~LyricHook() = default;
    // The section's open flag (kept by its header lblLyricSwt).
    virtual bool lyricSectionOpen() const = 0;
    // Loads the lyric of the song now loaded and shows it from startMs on.
    virtual void LoadLyricFile(qint32 startMs) = 0;
    // Empties the lyric line (lblLyricViewer) when a song finishes.
    virtual void clearLyricLine() = 0;
};

// Until the lyric viewer exists its section is never open.
class NullLyricHook final : public LyricHook {
public:
    bool lyricSectionOpen() const override { return false; }
    void LoadLyricFile(qint32) override { log_.skipped("LoadLyricFile"); }
    void clearLyricLine() override {}

private:
    NotBuiltYet log_{"the lyric viewer"};
};
