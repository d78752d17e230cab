#pragma once

#include <QString>
#include <QWidget>

#include <utility>

#include "common/Twips.h"

// The one way a panel puts a control at its place in the layout tables.
inline void placeAt(QWidget* widget, const TwipsRect& twips) { widget->setGeometry(Twips::rectToPx(twips)); }
// For controls that must meet their neighbours exactly (the browser's lists).
inline void placeEdgesAt(QWidget* widget, const TwipsRect& twips) { widget->setGeometry(Twips::edgesToPx(twips)); }

// Makes a named control of a tool window at its place: every control gets
// its object name and the name screen readers announce.
template <typename W, typename... Args>
W* makePlaced(QWidget* parent, const QString& objectName, const QString& accessibleName, const TwipsRect& place,
              Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    placeAt(widget, place);
    return widget;
}
