#pragma once

class Clipboard;
class Clock;
class Dialogs;
class FileOperations;
class Launcher;
class MciEngine;
class Screen;
class WaveOut;

// The platform services the windows use, handed in by whoever builds the
// main window: the real ones in main(), fakes in tests.
struct AppServices {
    Dialogs& dialogs;
    Clipboard& clipboard;
    Launcher& launcher;
    Clock& clock;
    Screen& screen;
    MciEngine& mci;
    WaveOut& waveOut;
    FileOperations& files;
};
