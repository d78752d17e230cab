#pragma once

#include <QObject>

#include <array>

#include "ui/widgets/MainPanel.h"

class AppearanceOptions;
class QAction;
class WindowModeController;

// The menu entries of the window modes and the appearance: "轉換模式(&A)"
// holds mnuZELMode 0..2 and the window functions mnuZELFunction 0..1; the
// options menu gets the start folder (mnuOptStr) and the immediate
// background (mnuOptComboList4 1..7). The entries' enabled states and check
// marks follow the controller and the appearance options.
class WindowMenus final : public QObject, public MainPanel {
    Q_OBJECT
public:
    WindowMenus(WindowModeController& modes, AppearanceOptions& appearance, QObject* parent = nullptr);

    void addMenuEntries(const MainMenus& menus) override;
    void registerTimers(TimerRegistry&) override {}
    // The mode entries enable what the new mode can change to.
    void applyWindowMode(WindowMode mode) override;

    QAction* mnuZELMode(int index) const { return modes_.at(static_cast<size_t>(index)); }
    QAction* mnuZELFunction(int index) const { return functions_.at(static_cast<size_t>(index)); }

private:
    void addModeEntries(QMenu* menu);
    void addOptionEntries(QMenu* menu);
    void sync();

    WindowModeController& controller_;
    AppearanceOptions& appearance_;
    std::array<QAction*, 3> modes_{};
    std::array<QAction*, 2> functions_{};
};
