#include "platform/qt/QtWindowLayering.h"

bool QtWindowLayering::setLayeredAlpha(quint8 alpha) {
    if (!window_) return false;
    window_->setWindowOpacity(alpha / 255.0);
    return true;
}

bool QtWindowLayering::clearLayered() {
    if (!window_) return false;
    window_->setWindowOpacity(1.0);
    return true;
}
