#pragma once

#include <QPointer>

#include "common/Twips.h"
#include "ui/widgets/MainPanel.h"

class QWidget;

// The frame's own controls in each window mode: the path box txtFileLink and
// the status line txtState, at the bottom of the window.
class FramePanel final : public MainPanel {
public:
    // Full mode. The path box is narrower than the status line so the
    // clipboard pictures and the open button fit between them.
    static constexpr TwipsRect kFileLink{120, 7320, 5235, 300};
    static constexpr TwipsRect kState{6400, 7320, 5475, 300};
    // The compact modes put both under the playlist, one above the other.
    static constexpr TwipsRect kFileLinkLyricView{120, 5160, 4035, 300};
    static constexpr TwipsRect kStateLyricView{120, 5520, 4335, 300};
    static constexpr TwipsRect kFileLinkSimple{120, 4680, 4035, 300};
    static constexpr TwipsRect kStateSimple{120, 5040, 4335, 300};

    FramePanel(QWidget* txtFileLink, QWidget* txtState) : txtFileLink_(txtFileLink), txtState_(txtState) {}

    void addMenuEntries(const MainMenus&) override {}
    void registerTimers(TimerRegistry&) override {}
    void applyWindowMode(WindowMode mode) override;

private:
    QPointer<QWidget> txtFileLink_;
    QPointer<QWidget> txtState_;
};
