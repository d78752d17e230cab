#include "browser/BrowserPanel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppServices.h"
#include "app/AppState.h"
#include "app/SongStarter.h"
#include "app/StatusLine.h"
#include "browser/BrowserLayout.h"
#include "browser/BrowserTexts.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/Placement.h"
#include "browser/FileListBox.h"
#include "browser/FolderListBox.h"
#include "browser/FolderReader.h"
#include "browser/ListFit.h"
#include "browser/SystemDriveSource.h"
#include "common/PathText.h"
#include "common/Twips.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"

BrowserPanel::BrowserPanel(QWidget* canvas, AppState& state, AppServices& services, StatusLine& status,
                           QLineEdit* txtFileLink, SongStarter& songs, BrowserHooks hooks,
                           std::unique_ptr<DriveSource> drives)
    : QObject(canvas),
      state_(state),
      services_(services),
      status_(status),
      txtFileLink_(txtFileLink),
      songs_(songs),
      hooks_(std::move(hooks)),
      drives_(drives ? std::move(drives) : std::make_unique<SystemDriveSource>()) {
    buildWidgets(canvas);
    connectWidgets();
    driveList_ = drives_->drives();
    fillDrives(drive1_, QString(kPathSeparator));
    fillDrives(drive2_, QString(kPathSeparator));
    dir1_->setToolTip(BrowserTexts::kDirTooltip);  // until the first fitting
}

BrowserPanel::~BrowserPanel() = default;

// ---- the operations other parts call ----

bool BrowserPanel::ChangeDirPath(const QString& InputPath, bool IsDir1) {
    const QString folder = FolderRows::cleanFolder(InputPath);
    if (!IsDir1) return showFolder(dir2_, drive2_, folder);
    if (!moveBrowserTo(folder)) return false;
    updateCountLabel();
    refit();
    return true;
}

QString BrowserPanel::GetFullFileLink(int FileIndex) const {
    QString folder = fileFolder_;
    return AddBackslash(folder) + file1_->name(FileIndex);
}

void BrowserPanel::AdjustListHeights(int& folderRows, int fileCount) {
    const bool fitOn = state_.options.optCheck[2];
    if (fitOn && folderRows < 0)
        folderRows = ListFit::folderRows(dir1_->rows().levelCount(), dir1_->ListCount(), state_.ShiftConst[2]);
    const ListFit fit = ListFit::compute(folderRows, fileCount, fitOn);
    placeEdgesAt(dir1_, BrowserLayout::columnRect(fit.dirTopTwips, fit.dirHeightTwips));
    placeEdgesAt(file1_, BrowserLayout::columnRect(fit.fileTopTwips, fit.fileHeightTwips));
    dir1_->setToolTip(ListFit::tooltip(fit.method, Twips::fromPx(dir1_->height()), Twips::fromPx(file1_->height())));
}

void BrowserPanel::SetFileFilter(QString& pattern, bool reset) {
    if (reset) pattern = QString::fromUtf16(FilePattern::kAll);
    pattern_ = FilePattern(pattern);
    if (!fileFolder_.isEmpty() && !showFiles(fileFolder_)) status_.setStatus(BrowserTexts::kFolderMissing);
    refit();
}

void BrowserPanel::refresh() {
    driveList_ = drives_->drives();
    fillDrives(drive1_, dir1_->path());
    fillDrives(drive2_, dir2_->path());
    if (!dir2_->path().isEmpty() && !showFolder(dir2_, drive2_, dir2_->path())) dir2_->setSubfolders({});
    const QString folder = dir1_->path();
    if (folder.isEmpty()) return;
    if (!FolderReader::canShow(folder)) {
        // The folder went away while shown: go to what is left of its path.
        status_.setStatus(BrowserTexts::kFolderMissing);
        if (!ChangeDirPath(nearestShownFolder(folder), true)) ChangeDirPath(initialFolder(), true);
        return;
    }
    const auto subfolders = FolderReader::subfolders(folder);
    if (!subfolders || !showFiles(folder, true)) return;
    dir1_->setSubfolders(*subfolders);
    updateCountLabel();
    refit();
}

QStringList BrowserPanel::filePathsWithExtensions(const QStringList& extensions) const {
    QStringList paths;
    for (int row = 0; row < file1_->ListCount(); ++row)
        if (extensions.contains(GetFileExt(file1_->name(row)).toLower())) paths.append(GetFullFileLink(row));
    return paths;
}

QStringList BrowserPanel::selectedFilePaths() const {
    QStringList paths;
    for (const int row : file1_->selectedRowNumbers()) paths.append(GetFullFileLink(row));
    return paths;
}

// ---- event handlers ----

void BrowserPanel::Dir1_MouseUp(Qt::MouseButton button) {
    // Other buttons than these two open nothing but still refresh the
    // files, the count and the fit.
    const bool opens = button == Qt::LeftButton || button == Qt::RightButton;
    const bool shown = opens ? moveBrowserTo(targetOf(dir1_, button)) : showFiles(dir1_->path());
    if (!shown) {
        reportMissingFolder(dir1_);
        return;
    }
    updateCountLabel();
    refit();
}

void BrowserPanel::Dir2_MouseUp(Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    if (!showFolder(dir2_, drive2_, targetOf(dir2_, button))) reportMissingFolder(dir2_);
}

void BrowserPanel::Drive1_Change() {
    if (!moveBrowserTo(drive1_->currentData().toString())) {
        driveUnreadable(drive1_, dir1_);
        return;
    }
    refit();  // the count label stays as it was
}

void BrowserPanel::Drive2_Change() {
    if (!showFolder(dir2_, drive2_, drive2_->currentData().toString())) driveUnreadable(drive2_, dir2_);
}

void BrowserPanel::File1_Click() {
    const int row = file1_->ListIndex();
    if (row < 0) return;
    const QString path = GetFullFileLink(row);
    txtFileLink_->setText(path);
    txtFileLink_->setCursorPosition(static_cast<int>(path.size()));
    if (state_.FrameState == 1 && hooks_.showFileDetails) hooks_.showFileDetails(path);
}

void BrowserPanel::File1_DblClick() { cmdPlaySpecificSong_Click(); }

void BrowserPanel::File1_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (isCtrlEnter(key, modifiers)) cmdPlaySpecificSong_Click();
}

void BrowserPanel::File1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button == Qt::LeftButton && modifiers == Qt::AltModifier) {
        if (hooks_.addSelectedToPlaylist) hooks_.addSelectedToPlaylist();
    } else if (button == Qt::RightButton) {
        askFileFilter();
    }
}

void BrowserPanel::cmdCancelFileFilter_Click() {
    cmdCancelFileFilter_->hide();
    QString pattern;
    SetFileFilter(pattern, true);
}

void BrowserPanel::cmdPlaySpecificSong_Click() {
    const QString path = TrimSpaces(txtFileLink_->text());
    const OpenGroup group = OpenByType::classify(path);
    if (group == OpenGroup::Missing) {
        status_.setStatus(BrowserTexts::kFileMissing);
    } else if (group == OpenGroup::Media) {
        songs_.SongStarted(path);
    } else if (hooks_.openOther) {
        hooks_.openOther(path, group);
    }
}

void BrowserPanel::imgClipFileLink_Click(int index) {
    if (index == 0) {
        services_.clipboard.clear();
        services_.clipboard.setText(txtFileLink_->text());
    } else {
        txtFileLink_->setText(services_.clipboard.text());
    }
}

void BrowserPanel::mnuFileSelect_Click(int index) {
    if (index == 0)
        file1_->selectAllRows();
    else
        file1_->invertSelection();
}

bool BrowserPanel::isCtrlEnter(int key, Qt::KeyboardModifiers modifiers) {
    return (key == Qt::Key_Return || key == Qt::Key_Enter) &&
           (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

// ---- the steps ----

QString BrowserPanel::initialFolder() const {
    return state_.InitDir.isEmpty() ? QDir::homePath() : FolderRows::cleanFolder(state_.InitDir);
}

bool BrowserPanel::showFolder(FolderListBox* list, QComboBox* drive, const QString& folder) {
    const auto subfolders = FolderReader::subfolders(folder);
    if (!subfolders) return false;
    list->setRows(FolderRows(folder, *subfolders));
    selectDrive(drive, folder);
    return true;
}

bool BrowserPanel::moveBrowserTo(const QString& folder) {
    // Files first: a folder whose files cannot be read changes nothing.
    const auto files = FolderReader::files(folder, pattern_);
    if (!files || !showFolder(dir1_, drive1_, folder)) return false;
    fileFolder_ = folder;
    file1_->setNames(*files);
    return true;
}

QString BrowserPanel::nearestShownFolder(QString folder) {
    while (!FolderReader::canShow(folder)) {
        const QString up = QFileInfo(folder).path();
        if (up == folder) return {};
        folder = up;
    }
    return folder;
}

bool BrowserPanel::showFiles(const QString& folder, bool keepSelection) {
    const auto files = FolderReader::files(folder, pattern_);
    if (!files) return false;
    fileFolder_ = folder;
    file1_->setNames(*files, keepSelection);
    return true;
}

void BrowserPanel::reportMissingFolder(FolderListBox* list) {
    status_.setStatus(BrowserTexts::kFolderMissing);
    list->setSubfolders(FolderReader::subfolders(list->path()).value_or(QStringList()));
}

QString BrowserPanel::targetOf(const FolderListBox* list, Qt::MouseButton button) const {
    if (button == Qt::LeftButton) return list->entry(list->ListIndex());
    const QString up = list->entry(-2);
    // Above a root lies the start folder.
    return up.isEmpty() ? initialFolder() : up;
}

void BrowserPanel::driveUnreadable(QComboBox* drive, FolderListBox* list) {
    services_.dialogs.messageBox(BrowserTexts::kDriveUnreadable, MsgButtons::Ok, MsgIcon::Critical);
    selectDrive(drive, list->path());
}

void BrowserPanel::updateCountLabel() {
    lblDirDetails_->setText(BrowserTexts::countLabel(dir1_->ListCount(), file1_->ListCount()));
}

void BrowserPanel::refit() {
    int rows = -1;
    AdjustListHeights(rows, file1_->ListCount());
}

void BrowserPanel::askFileFilter() {
    applyFilterAnswer(services_.dialogs.inputBox(BrowserTexts::filterPrompt(), QString(),
                                                 BrowserTexts::kFilterDefaultAnswer));
}

void BrowserPanel::applyFilterAnswer(const QString& answer) {
    const auto pattern = FilePattern::fromFilterAnswer(answer);
    if (!pattern) return;
    cmdCancelFileFilter_->setText(BrowserTexts::cancelFilterCaption(*pattern));
    cmdCancelFileFilter_->setVisible(browserVisible_);
    QString text = *pattern;
    SetFileFilter(text, false);
}

void BrowserPanel::fillDrives(QComboBox* combo, const QString& selectRoot) {
    const QSignalBlocker block(combo);
    combo->clear();
    for (const DriveEntry& drive : driveList_) combo->addItem(drive.displayText(), drive.root);
    selectDrive(combo, selectRoot);
}

void BrowserPanel::selectDrive(QComboBox* combo, const QString& folder) {
    const QSignalBlocker block(combo);
    const int at = combo->findData(DriveSource::driveRootOf(folder, driveList_));
    if (at >= 0) combo->setCurrentIndex(at);
}
