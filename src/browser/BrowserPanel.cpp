#include "browser/BrowserPanel.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include "browser/BrowserNavigator.h"
#include "browser/BrowserLayout.h"
#include "browser/BrowserTexts.h"
#include "browser/DirFavPicture.h"
#include "browser/FileListBox.h"
#include "browser/FolderListBox.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/Placement.h"

namespace {

bool listsDrives(const QComboBox* combo, const QList<DriveEntry>& drives) {
    if (combo->count() != drives.size()) return false;
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemData(i) != drives.at(i).root || combo->itemText(i) != drives.at(i).displayText()) return false;
    return true;
}

// The program moves a drive list only with its signals blocked, so a
// change the list reports is the user's. The entries are rebuilt only
// when the drives changed: a user's choice is answered while the list
// still reports it.
void drawDrives(QComboBox* combo, const QList<DriveEntry>& drives, const QString& selectedRoot) {
    const QSignalBlocker block(combo);
    if (!listsDrives(combo, drives)) {
        combo->clear();
        for (const DriveEntry& drive : drives) combo->addItem(drive.displayText(), drive.root);
    }
    const int at = combo->findData(selectedRoot);
    if (at >= 0) combo->setCurrentIndex(at);
}

}  // namespace

// Without a parent the canvas owns the panel, so it never outlives the
// controls it draws on.
BrowserPanel::BrowserPanel(QWidget* canvas, BrowserNavigator& navigator, QObject* parent)
    : QObject(parent ? parent : canvas), navigator_(navigator) {
    buildWidgets(canvas);
    nameWidgets();
    connectWidgets();
    connectNavigator();
    drawDir1();
    drawDir2();
    drawFiles();
    drawCountText();
    drawFilterButton();
    drawListFit();
}

BrowserPanel::~BrowserPanel() = default;

void BrowserPanel::addMenuEntries(const MainMenus& menus) {
    QMenu* fileMenu = menus.menu(MainMenu::File);
    const QString captions[] = {BrowserTexts::kSelectAll, BrowserTexts::kInvertSelection};
    for (int i = 0; i < 2; ++i) {
        QAction* action = fileMenu->addAction(captions[i]);
        action->setObjectName(QStringLiteral("mnuFileSelect"));
        action->setProperty("index", i);
        connect(action, &QAction::triggered, this, [this, i] { navigator_.mnuFileSelect_Click(i); });
    }
    imgPopDirFav_->setMenu(menus.menu(MainMenu::GoTo));
}

void BrowserPanel::applyWindowMode(WindowMode mode) {
    fullMode_ = mode == WindowMode::Full;
    for (QWidget* widget : std::initializer_list<QWidget*>{drive1_, dir1_, file1_, lblDirDetails_,
                                                           imgClipFileLink_[0], imgClipFileLink_[1], imgPopDirFav_})
        widget->setVisible(fullMode_);
    using namespace BrowserLayout;
    placeAt(cmdPlaySpecificSong_, fullMode_                      ? kPlaySpecificSong
                                  : mode == WindowMode::LyricView ? kPlaySpecificSongLyricView
                                                                  : kPlaySpecificSongSimple);
    drawFilterButton();
}

void BrowserPanel::connectNavigator() {
    connect(&navigator_, &BrowserNavigator::dir1Changed, this, &BrowserPanel::drawDir1);
    connect(&navigator_, &BrowserNavigator::dir2Changed, this, &BrowserPanel::drawDir2);
    connect(&navigator_, &BrowserNavigator::filesChanged, this, &BrowserPanel::drawFiles);
    connect(&navigator_, &BrowserNavigator::fileSelectionChanged, this, &BrowserPanel::drawFileSelection);
    connect(&navigator_, &BrowserNavigator::countTextChanged, this, &BrowserPanel::drawCountText);
    connect(&navigator_, &BrowserNavigator::filterButtonChanged, this, &BrowserPanel::drawFilterButton);
    connect(&navigator_, &BrowserNavigator::listFitChanged, this, &BrowserPanel::drawListFit);
}

void BrowserPanel::drawDir1() {
    drawDrives(drive1_, navigator_.drives(), navigator_.drive1Root());
    dir1_->setRows(navigator_.dir1Rows());
}

void BrowserPanel::drawDir2() {
    drawDrives(drive2_, navigator_.drives(), navigator_.drive2Root());
    dir2_->setRows(navigator_.dir2Rows());
}

void BrowserPanel::drawFiles() {
    const QScopedValueRollback guard(drawing_, true);
    file1_->setNames(navigator_.fileRows().names());
    file1_->setSelection(navigator_.fileRows().selectedRows(), navigator_.fileRows().ListIndex());
}

void BrowserPanel::drawFileSelection() {
    const FileRows& rows = navigator_.fileRows();
    // A selection the user just made is already on the list; drawing it
    // again would break a drag or a Shift range still in progress.
    if (FileRows::sameRows(file1_->selectedRowNumbers(), rows.selectedRows()) && file1_->ListIndex() == rows.ListIndex())
        return;
    const QScopedValueRollback guard(drawing_, true);
    file1_->setSelection(rows.selectedRows(), rows.ListIndex());
}

void BrowserPanel::forwardFileSelection() {
    if (drawing_) return;
    navigator_.setFileSelection(file1_->selectedRowNumbers(), file1_->ListIndex());
}

void BrowserPanel::drawCountText() { AccessibleNames::setLabelText(lblDirDetails_, navigator_.countText()); }

void BrowserPanel::drawFilterButton() {
    cmdCancelFileFilter_->setText(navigator_.filterButtonCaption());
    cmdCancelFileFilter_->setVisible(fullMode_ && navigator_.filterButtonShown());
}

void BrowserPanel::drawListFit() {
    placeEdgesAt(dir1_, navigator_.dir1Place());
    placeEdgesAt(file1_, navigator_.file1Place());
    dir1_->setToolTip(navigator_.dir1ToolTip());
}
