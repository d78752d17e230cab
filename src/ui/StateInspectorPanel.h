#pragma once

#include <QObject>

#include <functional>

#include "common/IntervalTimer.h"

class QAction;
class QListWidget;
class QMenu;
class QWidget;
class TimerRegistry;
struct AppState;

// The state inspector: the list ListVariable over the browser column,
// refreshed by VariableTimer every 500 ms while the help menu's first entry
// "觀看變數" is checked.
class StateInspectorPanel : public QObject {
    Q_OBJECT
public:
    StateInspectorPanel(QWidget* canvas, QMenu* helpMenu, const AppState& state, TimerRegistry& timers,
                        std::function<qint32()> songPosition, QObject* parent = nullptr);

    // The help menu's entry 0: shows or hides the inspector.
    void mnuHelp0_Click();
    void VariableTimer_Timer();

    QListWidget* ListVariable() const { return list_; }
    QAction* menuEntry() const { return entry_; }
    IntervalTimer& VariableTimer() { return timer_; }

private:
    const AppState& state_;
    TimerRegistry& timers_;
    std::function<qint32()> songPosition_;
    QListWidget* list_ = nullptr;
    QAction* entry_ = nullptr;
    IntervalTimer timer_;
};
