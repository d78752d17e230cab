#pragma once

#include <QtGlobal>

// The window system's side of translucency: a window drawn with an opacity
// of its own. The Qt main window implements it with its window opacity;
// tests record the calls or fail them.
class WindowLayering {
public:
    virtual ~WindowLayering() = default;
    // Draws the whole window with `alpha` of 255 (0 invisible, 255 opaque).
    // False when the window system reported an error.
    virtual bool setLayeredAlpha(quint8 alpha) = 0;
    // An ordinary opaque window again. False on an error.
    virtual bool clearLayered() = 0;
};

// Translucency of a window, with the result codes the window functions menu
// is given (it does not look at them).
namespace Frm_Transparent {

inline constexpr qint32 kDone = 0;
inline constexpr qint32 kOutOfRange = 1;     // opacity outside 0..255, nothing changed
inline constexpr qint32 kPlatformError = 2;  // the window system reported an error

qint32 SetTranslucency(WindowLayering& window, qint16 opacity);
qint32 ClearTranslucency(WindowLayering& window);

}  // namespace Frm_Transparent
