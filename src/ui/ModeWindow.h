#pragma once

#include <QSize>

#include "app/LayoutModes.h"

// The main window as a change of the window mode drives it.
class ModeWindow {
public:
    virtual ~ModeWindow() = default;
    // The normal state (neither maximised nor minimised) at a size in twips.
    virtual void showNormalSized(QSize twips) = 0;
    virtual void maximize() = 0;
    // Every panel hides, shows and moves its own controls for `mode`.
    virtual void applyWindowMode(WindowMode mode) = 0;
};
