#pragma once

#include <QList>
#include <QObject>

#include "ui/widgets/MainPanel.h"

class DirFavShortcuts;
class FileCommands;
class FolderListBox;
class HelpCommands;
class MoveCopyController;
class QAction;

// The file commands' menu entries: in "檔案(&F)" opening files and the
// file manager, rename, delete, move, copy and the folder commands; the
// folder shortcuts of "移至(&M)"; the help menu's entries 1, 3, 4 and 5.
class FileCommandMenus : public QObject, public MainPanel {
    Q_OBJECT
public:
    struct Commands {
        FileCommands& files;
        MoveCopyController& moveCopy;
        DirFavShortcuts& shortcuts;
        HelpCommands& help;
    };
    // `dir1`: the browser's folder list, whose highlighted row the folder
    // removal takes.
    FileCommandMenus(Commands commands, FolderListBox* dir1, QObject* parent);

    void addMenuEntries(const MainMenus& menus) override;
    void registerTimers(TimerRegistry&) override {}
    // Moving and copying need the browser and the panel, which the compact
    // modes hide.
    void applyWindowMode(WindowMode mode) override;

private:
    void addFileEntries(QMenu* menu);
    void addShortcutEntries(QMenu* menu);
    void addHelpEntries(QMenu* menu);
    void drawShortcuts();

    Commands commands_;
    FolderListBox* dir1_;
    QList<QAction*> shortcutEntries_;
    QList<QAction*> moveCopyEntries_;
};
