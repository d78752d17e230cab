#pragma once

#include <QObject>
#include <QVector>

class AppOptions;
class Appearance;
class QAction;
class QMenu;

// The option menu's entries: the nine check options mnuOptCheck(0..8) and
// the choice submenus mnuOptCombo(0..3) with their entries. The marks
// always show AppOptions; a click goes to AppOptions, which announces the
// change, and the marks follow.
class OptionMenus : public QObject {
    Q_OBJECT
public:
    // Adds the entries to `menu` (the main window's option menu).
    OptionMenus(AppOptions& options, Appearance& appearance, QMenu* menu);

    void mnuOptCheck_Click(int index);
    void mnuOptComboList0_Click(int entry);
    void mnuOptComboList1_Click(int entry);
    void mnuOptComboList2_Click(int entry);

    QAction* mnuOptCheck(int index) const { return checks_.value(index); }
    QMenu* mnuOptCombo(int index) const { return combos_.value(index); }
    // Entry actions by their entry number (mnuOptComboList0 starts at 1).
    QAction* mnuOptComboList(int list, int entry) const;

private:
    void buildChecks(QMenu* menu);
    void buildCombo(QMenu* menu, int list, const QStringList& captions, int firstEntry);
    void onComboClicked(int list, int entry);
    void sync();

    AppOptions& options_;
    Appearance& appearance_;
    QVector<QAction*> checks_;
    QVector<QMenu*> combos_;
    QVector<QVector<QAction*>> entries_;  // per list, index = entry - first entry
    QVector<int> firstEntry_;
};
