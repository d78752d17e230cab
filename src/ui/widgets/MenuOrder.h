#pragma once

#include <QString>

class QAction;
class QMenu;

// Menus whose entries are a numbered family ("mnuHelp(3)") list them in
// the order of their numbers, whichever part adds its entry first.
namespace MenuOrder {

// Names the action `family(index)` and puts it before the first entry of
// the same family with a higher number (at the end when there is none).
void insert(QMenu* menu, QAction* action, const QString& family, int index);

}  // namespace MenuOrder
