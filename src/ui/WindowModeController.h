#pragma once

#include <QSize>

#include "app/LayoutModes.h"

class InfoArea;
class ModeWindow;
class PlaylistAccess;
class Screen;
struct AppState;

// The three window modes of "轉換模式(&A)" (mnuZELMode): the full mode, the
// lyric-viewing mode and the simple mode. A compact mode is only left for
// the full mode. The controller closes the information area, sets the
// mode's fields and window size, has every panel lay itself out, and
// rebuilds the playlist display for the mode's view.
class WindowModeController {
public:
    struct Seams {
        InfoArea& info;
        PlaylistAccess& playlist;
        ModeWindow& window;
        const Screen& screen;
    };

    // Window sizes in twips.
    static constexpr QSize kFullSize{12000, 8385};
    static constexpr QSize kLyricViewSize{8115, 6540};
    static constexpr QSize kSimpleSize{4650, 6345};

    WindowModeController(AppState& state, Seams seams);

    WindowMode mode() const;
    // 0 "完整模式 (0)", 1 "歌詞瀏覽模式 (1)", 2 "簡易模式 (2)".
    void mnuZELMode_Click(int index);
    // Whether the menu's entry leads anywhere from the current mode.
    bool entryEnabled(int index) const;

    void EnterCompactMode(WindowMode mode);
    void RestoreFullMode(WindowMode previous);

private:
    AppState& state_;
    Seams seams_;
};
