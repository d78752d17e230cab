#pragma once

#include <QObject>

#include "common/IntervalTimer.h"
#include "ui/widgets/MainPanel.h"

class MultiMedia;
class QAction;
class QListWidget;
class QWidget;
class TimerRegistry;
struct AppState;

// The state inspector: the list ListVariable over the browser column,
// refreshed by VariableTimer every 500 ms while the help menu's first entry
// "觀看變數" is checked.
class StateInspectorPanel : public QObject, public MainPanel {
    Q_OBJECT
public:
    // `timers` is where every timer it shows is registered; `media` answers
    // the song's position.
    StateInspectorPanel(QWidget* canvas, const AppState& state, TimerRegistry& timers, MultiMedia& media,
                        QObject* parent = nullptr);

    // The help menu's first entry "觀看變數".
    void addMenuEntries(const MainMenus& menus) override;
    void registerTimers(TimerRegistry& timers) override;
    // It lies over the browser column, which only the full mode shows.
    void applyWindowMode(WindowMode) override {}

    // The help menu's entry 0: shows or hides the inspector.
    void mnuHelp0_Click();
    void VariableTimer_Timer();

    QListWidget* ListVariable() const { return list_; }
    QAction* menuEntry() const { return entry_; }
    IntervalTimer& VariableTimer() { return timer_; }

private:
    const AppState& state_;
    TimerRegistry& timers_;
    MultiMedia& media_;
    QListWidget* list_ = nullptr;
    QAction* entry_ = nullptr;
    IntervalTimer timer_;
};
