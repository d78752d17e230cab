#pragma once

class Clock;
class Dialogs;
class IntervalTimer;
class LyricHook;
class MultiMedia;
class StatusLine;
class TransportListeners;
class TransportModel;
class WaveOut;
class WindowCaption;
struct AppState;

// Everything song start and the transport work on, owned by the assembly
// and shared by reference: the shared state, the platform services they
// use, the media layer, the status line, the caption, the panel's display,
// the transport timer MMTimer, the lyric section and the transport's
// listeners.
struct PlaybackContext {
    AppState& state;
    Dialogs& dialogs;
    Clock& clock;
    WaveOut& waveOut;
    MultiMedia& media;
    StatusLine& status;
    WindowCaption& caption;
    TransportModel& display;
    IntervalTimer& MMTimer;
    LyricHook& lyric;
    TransportListeners& listeners;
};
