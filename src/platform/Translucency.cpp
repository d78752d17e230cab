#include "platform/Translucency.h"

namespace Frm_Transparent {

qint32 SetTranslucency(WindowLayering& window, qint16 opacity) {
    if (opacity < 0 || opacity > 255) return kOutOfRange;
    try {
        return window.setLayeredAlpha(static_cast<quint8>(opacity)) ? kDone : kPlatformError;
    } catch (...) {
        return kPlatformError;
    }
}

qint32 ClearTranslucency(WindowLayering& window) {
    try {
        return window.clearLayered() ? kDone : kPlatformError;
    } catch (...) {
        return kPlatformError;
    }
}

}  // namespace Frm_Transparent
