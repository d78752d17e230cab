#include "ui/FramePanel.h"

#include "ui/widgets/Placement.h"

void FramePanel::applyWindowMode(WindowMode mode) {
    if (!txtFileLink_ || !txtState_) return;
    switch (mode) {
    case WindowMode::Full:
        placeAt(txtFileLink_, kFileLink);
        placeAt(txtState_, kState);
        break;
    case WindowMode::LyricView:
        placeAt(txtFileLink_, kFileLinkLyricView);
        placeAt(txtState_, kStateLyricView);
        break;
    case WindowMode::Simple:
        placeAt(txtFileLink_, kFileLinkSimple);
        placeAt(txtState_, kStateSimple);
        break;
    }
}
