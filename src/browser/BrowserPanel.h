#pragma once

#include <QObject>

#include "ui/widgets/MainPanel.h"

class BrowserNavigator;
class ClickLabel;
class DirFavPicture;
class FileListBox;
class FolderListBox;
class QComboBox;
class QPushButton;
class QWidget;

// The file browser's controls in the main window's left column: the drive,
// folder and file lists, the count label, the filter button, the clipboard
// pictures and the open button, with the destination pair of move and copy.
// It places them on the canvas, draws what the navigator announces and hands
// every event of theirs to the navigator, which decides.
class BrowserPanel : public QObject, public MainPanel {
    Q_OBJECT
public:
    BrowserPanel(QWidget* canvas, BrowserNavigator& navigator, QObject* parent = nullptr);
    ~BrowserPanel() override;

    // Adds mnuFileSelect 0 "全選" and 1 "反向選擇" to the file menu; the
    // folder-shortcut picture pops up the "移至(&M)" menu.
    void addMenuEntries(const MainMenus& menus) override;
    void registerTimers(TimerRegistry&) override {}
    // The compact modes hide the browser and put the open button beside the
    // path box; the full mode shows and places them again.
    void applyWindowMode(WindowMode mode) override;

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
    DirFavPicture* imgPopDirFav() const { return imgPopDirFav_; }

private:
    void buildWidgets(QWidget* canvas);
    void nameWidgets();
    void connectWidgets();
    void connectNavigator();

    void drawDir1();
    void drawDir2();
    void drawFiles();
    void drawFileSelection();
    void drawCountText();
    void drawFilterButton();
    void drawListFit();
    // The user moved the file list's selection.
    void forwardFileSelection();

    BrowserNavigator& navigator_;
    bool fullMode_ = true;
    // Set while the panel itself moves a list, whose signals then are not the user's.
    bool drawing_ = false;

    QComboBox* drive1_ = nullptr;
    QComboBox* drive2_ = nullptr;
    FolderListBox* dir1_ = nullptr;
    FolderListBox* dir2_ = nullptr;
    FileListBox* file1_ = nullptr;
    ClickLabel* lblDirDetails_ = nullptr;
    QPushButton* cmdCancelFileFilter_ = nullptr;
    QPushButton* cmdPlaySpecificSong_ = nullptr;
    ClickLabel* imgClipFileLink_[2] = {};
    DirFavPicture* imgPopDirFav_ = nullptr;
};
