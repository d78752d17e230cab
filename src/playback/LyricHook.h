#pragma once

#include <QtGlobal>

// What song start, song finish and seeking ask of the lyric section of the
// information area. The lyric subsystem implements it; while none is
// connected, nothing is called.
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
