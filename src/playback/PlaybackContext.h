#pragma once

struct AppServices;
struct AppState;
class IntervalTimer;
class LyricHook;
class MultiMedia;
class StatusLine;
class TransportModel;
class WindowCaption;

// Everything song start and the transport work on, owned by the main window
// and shared by reference: the shared state, the platform services, the
// media layer, the status line, the caption, the panel's display and the
// transport timer MMTimer.
struct PlaybackContext {
    AppState& state;
    AppServices& services;
    MultiMedia& media;
    StatusLine& status;
    WindowCaption& caption;
    TransportModel& display;
    IntervalTimer& MMTimer;
    // The lyric section, once one exists; null: no lyric is loaded or cleared.
    LyricHook* lyric = nullptr;
};
