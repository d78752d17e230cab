#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

#include "browser/BrowserNavigation.h"
#include "browser/DriveSource.h"
#include "browser/FilePattern.h"
#include "browser/FileRows.h"
#include "browser/FolderRows.h"
#include "browser/ListFit.h"
#include "common/Twips.h"

class Clipboard;
class Dialogs;
class FileOpener;
class InfoArea;
class PathBox;
class PlaylistAccess;
class StatusLine;
struct AppState;

// The file browser's state and rules: the drive lists, the folder rows of
// Dir1 and of the destination pair Dir2 / Drive2, the files of Dir1's folder
// with their selection, the file pattern, the count label and the fitted
// places of the two lists. Every event of the browser's controls comes here
// as a call; the panel draws what the signals announce and decides nothing.
class BrowserNavigator : public QObject, public BrowserNavigation {
    Q_OBJECT
public:
    BrowserNavigator(AppState& state, StatusLine& status, Dialogs& dialogs, Clipboard& clipboard, PathBox& pathBox,
                     FileOpener& opener, PlaylistAccess& playlist, InfoArea& info,
                     std::unique_ptr<DriveSource> drives = nullptr, QObject* parent = nullptr);
    ~BrowserNavigator() override;

    // ---- operations other parts call ----
    bool ChangeDirPath(const QString& path, bool isDir1) override;
    void refresh() override;
    QString currentFolder() const override { return fileFolder_; }
    QStringList fileNames() const override { return files_.names(); }
    QStringList filePathsWithExtensions(const QStringList& extensions) const override;
    QStringList selectedFilePaths() const override;
    QString currentFilePath() const override;

    // The file list's folder with one final separator, then the row's name.
    QString GetFullFileLink(int FileIndex) const;
    // Refits Dir1 and File1; `folderRows` -1 counts the rows and writes the
    // count back (only while fitting is on).
    void AdjustListHeights(int& folderRows, int fileCount);
    // Sets the file pattern ("*.*" and written back when `reset`) and refits.
    void SetFileFilter(QString& pattern, bool reset);
    // A filter answer as the file list's right button takes it: a blank
    // answer does nothing; otherwise the pattern and the cancel button.
    void applyFilterAnswer(const QString& answer);

    // ---- what the file commands call after changing files ----
    // Re-reads the file list of its folder (nothing selected) and refits;
    // the count label stays. False when the folder cannot be read.
    bool rereadFiles();
    // Re-reads the subfolders of Dir1 and Dir2; counts and places stay.
    void rereadFolders();
    // Selects and focuses one file row; -1 selects nothing.
    void selectFileRow(int row);

    // ---- what the panel draws ----
    const QList<DriveEntry>& drives() const { return driveList_; }
    QString drive1Root() const { return browser_.driveRoot; }
    QString drive2Root() const { return destination_.driveRoot; }
    const FolderRows& dir1Rows() const { return browser_.rows; }
    const FolderRows& dir2Rows() const { return destination_.rows; }
    const FileRows& fileRows() const { return files_; }
    QString filePattern() const { return pattern_.text(); }
    // lblDirDetails: its caption until the first count.
    QString countText() const { return countText_; }
    // cmdCancelFileFilter: shown from a filter answer until it is clicked.
    bool filterButtonShown() const { return filterButtonShown_; }
    QString filterButtonCaption() const { return filterButtonCaption_; }
    const ListFit& listFit() const { return fit_; }
    TwipsRect dir1Place() const;
    TwipsRect file1Place() const;
    QString dir1ToolTip() const { return dir1ToolTip_; }

    // ---- events of the controls ----
    // The file list's selection and focus as the user left them.
    void setFileSelection(const QList<int>& rows, int focusedRow);
    // `listIndex`: the row the press highlighted (-1, the folder itself, when none).
    void Dir1_MouseUp(Qt::MouseButton button, int listIndex);
    void Dir2_MouseUp(Qt::MouseButton button, int listIndex);
    // `driveRoot`: the drive the user chose in the list.
    void Drive1_Change(const QString& driveRoot);
    void Drive2_Change(const QString& driveRoot);
    void File1_Click();
    void File1_DblClick();
    void File1_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void File1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void txtFileLink_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void cmdCancelFileFilter_Click();
    void cmdPlaySpecificSong_Click();
    void imgClipFileLink_Click(int index);
    void mnuFileSelect_Click(int index);

    // Ctrl+Enter: Return or keypad Enter with Ctrl and nothing else.
    static bool isCtrlEnter(int key, Qt::KeyboardModifiers modifiers);

signals:
    // Drive1's list or selected drive, or Dir1's rows.
    void dir1Changed();
    // The same for the destination pair Drive2 / Dir2.
    void dir2Changed();
    // The file names, and with them the selection.
    void filesChanged();
    void fileSelectionChanged();
    void countTextChanged();
    void filterButtonChanged();
    // The places of Dir1 and File1 and Dir1's tooltip.
    void listFitChanged();

private:
    // A drive list and its folder list.
    struct FolderPair {
        QString driveRoot;
        FolderRows rows;
    };

    void announce(const FolderPair& pair);
    QString initialFolder() const;
    // Moves a pair to `folder`; false when it cannot be shown.
    bool showFolder(FolderPair& pair, const QString& folder);
    bool showFiles(const QString& folder, bool keepSelection = false);
    // Dir1 and File1 to `folder`, without the count label and the fit.
    bool moveBrowserTo(const QString& folder);
    // Where a left (the highlighted row) or right (one level up) release leads.
    QString targetOf(const FolderPair& pair, Qt::MouseButton button, int listIndex) const;
    // The answers to a folder or a drive that could not be shown.
    void reportMissingFolder(FolderPair& pair);
    void driveUnreadable(FolderPair& pair);
    void refreshDestination();
    static QString nearestShownFolder(QString folder);
    void updateCountText();
    void refit();
    void askFileFilter();

    AppState& state_;
    StatusLine& status_;
    Dialogs& dialogs_;
    Clipboard& clipboard_;
    PathBox& pathBox_;
    FileOpener& opener_;
    PlaylistAccess& playlist_;
    InfoArea& info_;
    std::unique_ptr<DriveSource> driveSource_;

    QList<DriveEntry> driveList_;
    FolderPair browser_;
    FolderPair destination_;
    QString fileFolder_;
    FileRows files_;
    FilePattern pattern_;
    QString countText_;
    bool filterButtonShown_ = false;
    QString filterButtonCaption_;
    ListFit fit_;
    QString dir1ToolTip_;
};
