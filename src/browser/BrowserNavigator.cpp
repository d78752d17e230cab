#include "browser/BrowserNavigator.h"

#include <QDir>
#include <QFileInfo>

#include "app/AppState.h"
#include "app/StatusLine.h"
#include "browser/BrowserLayout.h"
#include "browser/BrowserTexts.h"
#include "browser/FolderReader.h"
#include "browser/SystemDriveSource.h"
#include "common/PathText.h"
#include "platform/Dialogs.h"

namespace {

// The panel places the lists edge by edge (placeEdgesAt), so these are the
// heights the lists report once placed.
int shownHeightTwips(const TwipsRect& place) { return Twips::fromPx(Twips::edgesToPx(place).height()); }

}  // namespace

BrowserNavigator::BrowserNavigator(AppState& state, StatusLine& status, Dialogs& dialogs, Clipboard& clipboard,
                                   PathBox& pathBox, FileOpener& opener, PlaylistAccess& playlist, InfoArea& info,
                                   std::unique_ptr<DriveSource> drives, QObject* parent)
    : QObject(parent),
      state_(state),
      status_(status),
      dialogs_(dialogs),
      clipboard_(clipboard),
      pathBox_(pathBox),
      opener_(opener),
      playlist_(playlist),
      info_(info),
      driveSource_(drives ? std::move(drives) : std::make_unique<SystemDriveSource>()),
      driveList_(driveSource_->drives()),
      countText_(BrowserTexts::kDirDetailsCaption),
      dir1ToolTip_(BrowserTexts::kDirTooltip) {  // until the first fitting
    const QString root = DriveSource::driveRootOf(QString(kPathSeparator), driveList_);
    browser_.driveRoot = root;
    destination_.driveRoot = root;
}

BrowserNavigator::~BrowserNavigator() = default;

// ---- the operations other parts call ----

bool BrowserNavigator::ChangeDirPath(const QString& path, bool isDir1) {
    const QString folder = FolderRows::cleanFolder(path);
    if (!isDir1) return showFolder(destination_, folder);
    if (!moveBrowserTo(folder)) return false;
    updateCountText();
    refit();
    return true;
}

void BrowserNavigator::refresh() {
    driveList_ = driveSource_->drives();
    browser_.driveRoot = DriveSource::driveRootOf(browser_.rows.path(), driveList_);
    destination_.driveRoot = DriveSource::driveRootOf(destination_.rows.path(), driveList_);
    announce(browser_);
    announce(destination_);
    refreshDestination();
    const QString folder = browser_.rows.path();
    if (folder.isEmpty()) return;
    if (!FolderReader::canShow(folder)) {
        // The folder went away while shown: go to what is left of its path.
        status_.setStatus(BrowserTexts::kFolderMissing);
        if (!ChangeDirPath(nearestShownFolder(folder), true)) ChangeDirPath(initialFolder(), true);
        return;
    }
    const auto subfolders = FolderReader::subfolders(folder);
    if (!subfolders || !showFiles(folder, true)) return;
    browser_.rows.setSubfolders(*subfolders);
    announce(browser_);
    updateCountText();
    refit();
}

QStringList BrowserNavigator::filePathsWithExtensions(const QStringList& extensions) const {
    QStringList paths;
    for (int row = 0; row < files_.ListCount(); ++row)
        if (extensions.contains(GetFileExt(files_.name(row)).toLower())) paths.append(GetFullFileLink(row));
    return paths;
}

QStringList BrowserNavigator::selectedFilePaths() const {
    QStringList paths;
    for (const int row : files_.selectedRows()) paths.append(GetFullFileLink(row));
    return paths;
}

QString BrowserNavigator::currentFilePath() const {
    const int row = files_.ListIndex();
    return row >= 0 && row < files_.ListCount() ? GetFullFileLink(row) : QString();
}

QString BrowserNavigator::GetFullFileLink(int FileIndex) const {
    QString folder = fileFolder_;
    return AddBackslash(folder) + files_.name(FileIndex);
}

void BrowserNavigator::AdjustListHeights(int& folderRows, int fileCount) {
    const bool fitOn = state_.options.optCheck[2];
    if (fitOn && folderRows < 0)
        folderRows = ListFit::folderRows(browser_.rows.levelCount(), browser_.rows.ListCount(), state_.ShiftConst[2]);
    fit_ = ListFit::compute(folderRows, fileCount, fitOn);
    dir1ToolTip_ = ListFit::tooltip(fit_.method, shownHeightTwips(dir1Place()), shownHeightTwips(file1Place()));
    emit listFitChanged();
}

void BrowserNavigator::SetFileFilter(QString& pattern, bool reset) {
    if (reset) pattern = QString::fromUtf16(FilePattern::kAll);
    pattern_ = FilePattern(pattern);
    if (!fileFolder_.isEmpty() && !showFiles(fileFolder_)) status_.setStatus(BrowserTexts::kFolderMissing);
    refit();
}

void BrowserNavigator::applyFilterAnswer(const QString& answer) {
    const auto pattern = FilePattern::fromFilterAnswer(answer);
    if (!pattern) return;
    filterButtonShown_ = true;
    filterButtonCaption_ = BrowserTexts::cancelFilterCaption(*pattern);
    emit filterButtonChanged();
    QString text = *pattern;
    SetFileFilter(text, false);
}

bool BrowserNavigator::rereadFiles() {
    if (fileFolder_.isEmpty() || !showFiles(fileFolder_)) return false;
    refit();
    return true;
}

void BrowserNavigator::rereadFolders() {
    for (FolderPair* pair : {&browser_, &destination_}) {
        const QString folder = pair->rows.path();
        if (folder.isEmpty()) continue;
        pair->rows.setSubfolders(FolderReader::subfolders(folder).value_or(QStringList()));
        announce(*pair);
    }
}

void BrowserNavigator::selectFileRow(int row) {
    setFileSelection(row >= 0 ? QList<int>{row} : QList<int>{}, row);
}

TwipsRect BrowserNavigator::dir1Place() const {
    return BrowserLayout::columnRect(fit_.dirTopTwips, fit_.dirHeightTwips);
}

TwipsRect BrowserNavigator::file1Place() const {
    return BrowserLayout::columnRect(fit_.fileTopTwips, fit_.fileHeightTwips);
}

// ---- the steps ----

void BrowserNavigator::announce(const FolderPair& pair) {
    if (&pair == &browser_)
        emit dir1Changed();
    else
        emit dir2Changed();
}

QString BrowserNavigator::initialFolder() const {
    return state_.InitDir.isEmpty() ? QDir::homePath() : FolderRows::cleanFolder(state_.InitDir);
}

bool BrowserNavigator::showFolder(FolderPair& pair, const QString& folder) {
    const auto subfolders = FolderReader::subfolders(folder);
    if (!subfolders) return false;
    pair.rows = FolderRows(folder, *subfolders);
    pair.driveRoot = DriveSource::driveRootOf(pair.rows.path(), driveList_);
    announce(pair);
    return true;
}

bool BrowserNavigator::showFiles(const QString& folder, bool keepSelection) {
    auto names = FolderReader::files(folder, pattern_);
    if (!names) return false;
    fileFolder_ = folder;
    files_.setNames(std::move(*names), keepSelection);
    emit filesChanged();
    return true;
}

bool BrowserNavigator::moveBrowserTo(const QString& folder) {
    // Files first: a folder whose files cannot be read changes nothing.
    auto names = FolderReader::files(folder, pattern_);
    if (!names || !showFolder(browser_, folder)) return false;
    fileFolder_ = browser_.rows.path();
    files_.setNames(std::move(*names));
    emit filesChanged();
    return true;
}

QString BrowserNavigator::targetOf(const FolderPair& pair, Qt::MouseButton button, int listIndex) const {
    if (button == Qt::LeftButton) return pair.rows.entry(listIndex);
    const QString up = pair.rows.entry(-2);
    // Above a root lies the start folder.
    return up.isEmpty() ? initialFolder() : up;
}

void BrowserNavigator::reportMissingFolder(FolderPair& pair) {
    status_.setStatus(BrowserTexts::kFolderMissing);
    pair.rows.setSubfolders(FolderReader::subfolders(pair.rows.path()).value_or(QStringList()));
    announce(pair);
}

void BrowserNavigator::driveUnreadable(FolderPair& pair) {
    dialogs_.messageBox(BrowserTexts::kDriveUnreadable, MsgButtons::Ok, MsgIcon::Critical);
    // The drive list goes back to the drive of the folder still shown.
    pair.driveRoot = DriveSource::driveRootOf(pair.rows.path(), driveList_);
    announce(pair);
}

void BrowserNavigator::refreshDestination() {
    const QString folder = destination_.rows.path();
    if (folder.isEmpty() || showFolder(destination_, folder)) return;
    destination_.rows.setSubfolders({});
    announce(destination_);
}

QString BrowserNavigator::nearestShownFolder(QString folder) {
    while (!FolderReader::canShow(folder)) {
        const QString up = QFileInfo(folder).path();
        if (up == folder) return {};
        folder = up;
    }
    return folder;
}

void BrowserNavigator::updateCountText() {
    countText_ = BrowserTexts::countLabel(browser_.rows.ListCount(), files_.ListCount());
    emit countTextChanged();
}

void BrowserNavigator::refit() {
    int rows = -1;
    AdjustListHeights(rows, files_.ListCount());
}

void BrowserNavigator::askFileFilter() {
    applyFilterAnswer(dialogs_.inputBox(BrowserTexts::filterPrompt(), QString(), BrowserTexts::kFilterDefaultAnswer));
}
