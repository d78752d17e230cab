#pragma once

#include <QWidget>

#include "common/Twips.h"

// The one way a panel puts a control at its place in the layout tables.
inline void placeAt(QWidget* widget, const TwipsRect& twips) { widget->setGeometry(Twips::rectToPx(twips)); }
// For controls that must meet their neighbours exactly (the browser's lists).
inline void placeEdgesAt(QWidget* widget, const TwipsRect& twips) { widget->setGeometry(Twips::edgesToPx(twips)); }
