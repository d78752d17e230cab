#pragma once

#include <QString>
#include <QStringList>

class BrowserNavigation;
class Clipboard;
class Dialogs;
class PathBox;
class PlaylistDisplay;
class PlaylistEntries;
class StatusLine;
struct AppState;

// The commands that change single entries or hand the list out: the add
// buttons (cmdAddItem 0..3), the remove buttons (cmdDeleteItem 0..1), the
// dialog add, path editing, clearing missing files and the clipboard
// exports. Each edits the entries and then rebuilds only what changed; new
// or changed entries are measured, removals only rebuild.
class PlaylistEditing {
public:
    enum AddSource { AddSelectedFiles = 0, AddFolderSongs = 1, AddPathBoxText = 2, ReplaceWithBrowserFile = 3 };
    enum RemoveWhat { RemoveSelected = 0, RemoveAll = 1 };
    enum OutputWhat { OutputLines = 0, OutputPaths = 1, OutputBrowserFiles = 2 };

    PlaylistEditing(PlaylistEntries& entries, PlaylistDisplay& display, AppState& state, StatusLine& status,
                    Dialogs& dialogs, Clipboard& clipboard, BrowserNavigation& browser, PathBox& pathBox);

    static QString mnuOutputNLCaption(int index);

    void cmdAddItem(int index);
    // Appends paths at the end and rebuilds and measures only the new ones.
    void addPaths(const QStringList& paths);
    // Index 0 also serves the Delete key.
    void cmdDeleteItem(int index);
    void mnuAddPLItemFromCMDG();
    void mnuEditPLItemLink();
    void mnuRemoveInvalidPLItem();
    void mnuOutputNL(int index);
    void imgCopySongLink_Click();

private:
    void replaceSelectedWithBrowserFile();
    void removeSelected();
    void refreshRange(int first, int last);
    void refreshAll();
    // The text a clipboard export copies; false, with the status line
    // saying why, when its source is empty.
    bool exportText(int index, QString& text);

    PlaylistEntries& entries_;
    PlaylistDisplay& display_;
    AppState& state_;
    StatusLine& status_;
    Dialogs& dialogs_;
    Clipboard& clipboard_;
    BrowserNavigation& browser_;
    PathBox& pathBox_;
};
