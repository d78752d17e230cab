#pragma once

#include "app/LayoutModes.h"

class QMenu;
class TimerRegistry;

// The main window's top-level menus. Each panel adds its entries to the
// menu it belongs to.
enum class MainMenu {
    File,      // "檔案(&F)": file commands, recent files, force end
    Playlist,  // "PlayList(&L)": playlist files, sequence, shuffle, refresh
    Play,      // "播放(&P)": mnuMMControl
    Options,   // "選項(&O)": mnuOptCheck, the choice menus, appearance
    Mode,      // "轉換模式(&A)": mnuZELMode
    GoTo,      // "移至(&M)": folder shortcuts
    Tools,     // "工具(&T)": mnuTools
    Help,      // "說明(&H)": mnuHelp
};

// The menu bar as panels see it.
class MainMenus {
public:
    virtual ~MainMenus() = default;
    virtual QMenu* menu(MainMenu which) const = 0;
};

// A part of the main window that owns controls on its canvas. The main
// window builds each panel, then loops over them: menus, timers, and every
// change of the window mode, where each panel hides, shows and moves its
// own controls.
class MainPanel {
public:
    virtual ~MainPanel() = default;
    virtual void addMenuEntries(const MainMenus& menus) = 0;
    // Adds the panel's timers by name, for the state inspector.
    virtual void registerTimers(TimerRegistry& timers) = 0;
    virtual void applyWindowMode(WindowMode mode) = 0;
};
