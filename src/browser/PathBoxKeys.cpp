#include "browser/PathBoxKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "browser/BrowserNavigator.h"

PathBoxKeys::PathBoxKeys(QLineEdit* box, BrowserNavigator& navigator)
    : QObject(box), box_(box), navigator_(navigator) {
    box_->installEventFilter(this);
}

bool PathBoxKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick) {
        box_->selectAll();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The box keeps every key but the one that opens.
        if (BrowserNavigator::isCtrlEnter(key->key(), key->modifiers())) {
            navigator_.txtFileLink_KeyDown(key->key(), key->modifiers());
            return true;
        }
    }
    return false;
}
