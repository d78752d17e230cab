#pragma once

#include <QObject>
#include <QString>

#include <array>

#include "browser/FolderShortcuts.h"

class BrowserNavigation;
class Clipboard;
class Dialogs;
class FileOperations;
class MoveCopyController;
class StatusLine;

// The "移至(&M)" menu: entries 1 to 10 from DirFav.ini (one folder per
// non-empty line, the first ten), 11 the data folder, 12 a folder typed by
// the user (the clipboard proposed), 13 reads the file again. A chosen
// folder is shown in the browser, or in the destination list while the
// move-and-copy panel is open.
class DirFavShortcuts : public QObject, public FolderShortcuts {
    Q_OBJECT
public:
    static constexpr int kFileEntries = 10;
    static constexpr int kDataFolder = 11;
    static constexpr int kAsk = 12;
    static constexpr int kReload = 13;

    DirFavShortcuts(BrowserNavigation& browser, const MoveCopyController& moveCopy, StatusLine& status,
                    Dialogs& dialogs, Clipboard& clipboard, FileOperations& files, QObject* parent = nullptr);

    void LoadDirFav() override;
    // The caption of entry 1 to 13; entries 1 to 10 are empty until loaded.
    QString caption(int index) const;
    // The folder of entry 1 to 10 (its tag).
    QString tag(int index) const;
    void mnuDirFav_Click(int index);

signals:
    void entriesChanged();

private:
    BrowserNavigation& browser_;
    const MoveCopyController& moveCopy_;
    StatusLine& status_;
    Dialogs& dialogs_;
    Clipboard& clipboard_;
    FileOperations& files_;
    std::array<QString, kFileEntries> tags_;
};
