#include "ui/WindowModeController.h"

#include "app/AppState.h"
#include "browser/InfoArea.h"
#include "common/ScreenSize.h"
#include "playlist/PlaylistAccess.h"
#include "ui/ModeWindow.h"

namespace {

// ShiftConst(0): the time line's left end in each mode, which follows the
// transport panel's shift of 3480 twips.
constexpr qint16 kFullTimeLineLeft = 5700;
constexpr qint16 kCompactTimeLineLeft = 2220;

// ShiftConst(1) and lblPLItemNo: the page label's first row and its rows.
constexpr qint16 kLyricViewFirstRow = 375;
constexpr qint16 kSimpleFirstRow = 1695;
constexpr quint8 kLyricViewRows = 27;
constexpr quint8 kSimpleRows = 15;

}  // namespace

WindowModeController::WindowModeController(AppState& state, Seams seams) : state_(state), seams_(seams) {}

WindowMode WindowModeController::mode() const {
    return state_.WindowMode <= 2 ? static_cast<WindowMode>(state_.WindowMode) : WindowMode::Full;
}

bool WindowModeController::entryEnabled(int index) const {
    const bool compact = isCompact(mode());
    return index == 0 ? compact : !compact;
}

void WindowModeController::mnuZELMode_Click(int index) {
    if (index < 0 || index > 2 || !entryEnabled(index)) return;
    if (index == 0)
        RestoreFullMode(mode());
    else
        EnterCompactMode(static_cast<WindowMode>(index));
}

void WindowModeController::EnterCompactMode(WindowMode mode) {
    if (!isCompact(mode)) return;
    const bool lyricView = mode == WindowMode::LyricView;
    seams_.info.SetFrameState(InfoSection::None);
    // Every change to a compact mode starts the playlist at its first page.
    state_.ShiftConst[0] = kCompactTimeLineLeft;
    state_.ShiftConst[1] = lyricView ? kLyricViewFirstRow : kSimpleFirstRow;
    state_.lblPLItemNo = lyricView ? kLyricViewRows : kSimpleRows;
    state_.lblPLpage = 0;
    state_.WindowMode = static_cast<quint8>(mode);
    seams_.window.showNormalSized(lyricView ? kLyricViewSize : kSimpleSize);
    seams_.window.applyWindowMode(mode);
    seams_.playlist.PLRefreshItems(false, QStringLiteral("-1"), false);
}

void WindowModeController::RestoreFullMode(WindowMode previous) {
    // Each panel knows what its compact modes changed, the information area
    // too (the lyric viewer of the lyric-viewing mode).
    Q_UNUSED(previous);
    state_.WindowMode = static_cast<quint8>(WindowMode::Full);
    state_.ShiftConst[0] = kFullTimeLineLeft;
    // A desktop exactly 800 pixels wide leaves no room for the full size.
    if (GetScreenSize(seams_.screen, 1) == QLatin1String("800"))
        seams_.window.maximize();
    else
        seams_.window.showNormalSized(kFullSize);
    seams_.window.applyWindowMode(WindowMode::Full);
    // The list box missed every change made while the page label showed.
    seams_.playlist.PLRefreshItems(false, QStringLiteral("-1"), false);
}
