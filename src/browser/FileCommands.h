#pragma once

#include <QString>

class BrowserNavigator;
class Dialogs;
class FileOpener;
class FileOperations;
class Launcher;
class MoveCopyController;
class PathBox;
class StatusLine;
struct AppState;

// The file menu's commands on what the browser shows: rename a file (and
// its lyric file), delete the selected files (to the desktop trash where
// there is one), create and remove folders, open a file chosen in a dialog
// and open the folder in the file manager.
class FileCommands {
public:
    struct Parts {
        BrowserNavigator& browser;
        const MoveCopyController& moveCopy;
        FileOpener& opener;
        PathBox& pathBox;
    };
    FileCommands(AppState& state, StatusLine& status, Dialogs& dialogs, FileOperations& files, Launcher& launcher,
                 Parts parts);

    void mnuFileRename_Click();
    void mnuFileDelete_Click();
    // 0 creates a folder, 1 removes the folder of Dir1's highlighted row
    // (`dir1ListIndex`, -1 the current folder).
    void mnuDirEvents_Click(int index, int dir1ListIndex);
    // 0 the open-file dialog, 1 the file manager at Dir1's folder.
    void mnuOpen_Click(int index);

private:
    void offerLyricRename(const QString& name, const QString& answer);
    bool deleteOne(const QString& path);
    void createFolder();
    void removeFolder(int dir1ListIndex);

    AppState& state_;
    StatusLine& status_;
    Dialogs& dialogs_;
    FileOperations& files_;
    Launcher& launcher_;
    Parts parts_;
};
