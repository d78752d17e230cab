#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

#include "browser/BrowserHooks.h"
#include "browser/DriveSource.h"
#include "browser/FilePattern.h"

class ClickLabel;
class FileListBox;
class FolderListBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;
class SongStarter;
class StatusLine;
struct AppServices;
struct AppState;

// The file browser of the main window's left column: the drive list, the
// folder list and the file list, the count label, the filter button, the
// clipboard pictures and the open button, placed on the main window's
// canvas. The path box belongs to the main window; the browser fills it and
// handles its keys. All state is what the lists show.
class BrowserPanel : public QObject {
    Q_OBJECT
public:
    BrowserPanel(QWidget* canvas, AppState& state, AppServices& services, StatusLine& status,
                 QLineEdit* txtFileLink, SongStarter& songs, BrowserHooks hooks = {},
                 std::unique_ptr<DriveSource> drives = nullptr);
    ~BrowserPanel() override;

    BrowserHooks& hooks() { return hooks_; }

    // Shows `InputPath` in the browser (IsDir1) or in the destination pair.
    // False, with nothing changed, when the folder cannot be shown: the
    // caller reports it.
    bool ChangeDirPath(const QString& InputPath, bool IsDir1);
    // The file list's folder with one final separator, then the row's name.
    QString GetFullFileLink(int FileIndex) const;
    // Refits Dir1 and File1; `folderRows` -1 counts the rows and writes the
    // count back.
    void AdjustListHeights(int& folderRows, int fileCount);
    // Sets the file pattern ("*.*" and written back when `reset`) and refits.
    void SetFileFilter(QString& pattern, bool reset);

    // Applies a filter answer as the file list's right button does: a blank
    // answer does nothing; otherwise the pattern and the cancel button.
    void applyFilterAnswer(const QString& answer);
    // Re-reads drives, folders and files from disk (the refresh menu).
    void refresh();
    // The shown files whose lower-case extension is one of `extensions`, as
    // full paths in list order ("add the songs of this folder").
    QStringList filePathsWithExtensions(const QStringList& extensions = {QStringLiteral("mp3"),
                                                                         QStringLiteral("wav")}) const;
    // Full paths of the selected files, in list order.
    QStringList selectedFilePaths() const;
    QString fileFolder() const { return fileFolder_; }
    QString filePattern() const { return pattern_.text(); }

    // Adds mnuFileSelect 0 "全選" and 1 "反向選擇" to `menu`.
    void addFileSelectActions(QMenu* menu);
    // Shows or hides the browser's controls (the compact window modes hide them).
    void setBrowserVisible(bool visible);

    // Event handlers, as the controls call them.
    void Dir1_MouseUp(Qt::MouseButton button);
    void Dir2_MouseUp(Qt::MouseButton button);
    void Drive1_Change();
    void Drive2_Change();
    void File1_Click();
    void File1_DblClick();
    void File1_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void File1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void cmdCancelFileFilter_Click();
    void cmdPlaySpecificSong_Click();
    void imgClipFileLink_Click(int index);
    void mnuFileSelect_Click(int index);

    // Controls, for the window modes and the panels that share them.
    QComboBox* Drive1() const { return drive1_; }
    QComboBox* Drive2() const { return drive2_; }
    FolderListBox* Dir1() const { return dir1_; }
    FolderListBox* Dir2() const { return dir2_; }
    FileListBox* File1() const { return file1_; }
    ClickLabel* lblDirDetails() const { return lblDirDetails_; }
    QPushButton* cmdCancelFileFilter() const { return cmdCancelFileFilter_; }
    QPushButton* cmdPlaySpecificSong() const { return cmdPlaySpecificSong_; }
    ClickLabel* imgClipFileLink(int index) const { return imgClipFileLink_[index == 0 ? 0 : 1]; }

    // Ctrl+Enter: Return or keypad Enter with Ctrl and nothing else.
    static bool isCtrlEnter(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets(QWidget* canvas);
    void connectWidgets();
    void fillDrives(QComboBox* combo, const QString& selectRoot);
    void selectDrive(QComboBox* combo, const QString& folder);
    QString initialFolder() const;

    // Moves a folder list to `folder`; false when it cannot be shown.
    bool showFolder(FolderListBox* list, QComboBox* drive, const QString& folder);
    bool showFiles(const QString& folder, bool keepSelection = false);
    // The answer to a folder that could not be shown.
    void reportMissingFolder(FolderListBox* list);
    // Where a left (the highlighted row) or right (one level up) release leads.
    QString targetOf(const FolderListBox* list, Qt::MouseButton button) const;
    // Dir1 and File1 to `folder`, without the count label and the fit.
    bool moveBrowserTo(const QString& folder);
    void driveUnreadable(QComboBox* drive, FolderListBox* list);
    static QString nearestShownFolder(QString folder);
    void updateCountLabel();
    void refit();
    void askFileFilter();

    AppState& state_;
    AppServices& services_;
    StatusLine& status_;
    QLineEdit* txtFileLink_;
    SongStarter& songs_;
    BrowserHooks hooks_;
    std::unique_ptr<DriveSource> drives_;
    QList<DriveEntry> driveList_;

    FilePattern pattern_;
    QString fileFolder_;

    QComboBox* drive1_ = nullptr;
    QComboBox* drive2_ = nullptr;
    FolderListBox* dir1_ = nullptr;
    FolderListBox* dir2_ = nullptr;
    FileListBox* file1_ = nullptr;
    ClickLabel* lblDirDetails_ = nullptr;
    QPushButton* cmdCancelFileFilter_ = nullptr;
    QPushButton* cmdPlaySpecificSong_ = nullptr;
    ClickLabel* imgClipFileLink_[2] = {};
    bool browserVisible_ = true;
};
