#pragma once

#include <QtGlobal>

// The window modes of the "轉換模式(&A)" menu. AppState::WindowMode stores
// the number; code reads it through windowMode().
enum class WindowMode : quint8 {
    Full = 0,
    LyricView = 1,
    Simple = 2,
};

// The information area's sections below the browser, at most one open.
// AppState::FrameState stores the number.
enum class InfoSection : quint8 {
    None = 0,
    Details = 1,
    Lyric = 2,
    Remote = 3,
};

inline bool isCompact(WindowMode mode) { return mode != WindowMode::Full; }
