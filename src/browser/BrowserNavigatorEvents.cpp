// What the browser's controls do when the user works them. The state they
// act on and the steps they share are in BrowserNavigator.cpp.
#include "browser/BrowserNavigator.h"

#include "app/PathBox.h"
#include "browser/FileOpener.h"
#include "browser/InfoArea.h"
#include "common/PathText.h"
#include "platform/Clipboard.h"
#include "playlist/PlaylistAccess.h"

void BrowserNavigator::setFileSelection(const QList<int>& rows, int focusedRow) {
    if (files_.setSelection(rows, focusedRow)) emit fileSelectionChanged();
}

void BrowserNavigator::Dir1_MouseUp(Qt::MouseButton button, int listIndex) {
    // Other buttons than these two open nothing but still refresh the
    // files, the count and the fit.
    const bool opens = button == Qt::LeftButton || button == Qt::RightButton;
    const bool shown = opens ? moveBrowserTo(targetOf(browser_, button, listIndex)) : showFiles(browser_.rows.path());
    if (!shown) {
        reportMissingFolder(browser_);
        return;
    }
    updateCountText();
    refit();
}

void BrowserNavigator::Dir2_MouseUp(Qt::MouseButton button, int listIndex) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    if (!showFolder(destination_, targetOf(destination_, button, listIndex))) reportMissingFolder(destination_);
}

void BrowserNavigator::Drive1_Change(const QString& driveRoot) {
    if (!moveBrowserTo(FolderRows::cleanFolder(driveRoot))) {
        driveUnreadable(browser_);
        return;
    }
    refit();  // the count label stays as it was
}

void BrowserNavigator::Drive2_Change(const QString& driveRoot) {
    if (!showFolder(destination_, FolderRows::cleanFolder(driveRoot))) driveUnreadable(destination_);
}

void BrowserNavigator::File1_Click() {
    const int row = files_.ListIndex();
    if (row < 0) return;
    const QString path = GetFullFileLink(row);
    pathBox_.setText(path);
    if (info_.section() == InfoSection::Details) info_.showFileDetails(path);
}

void BrowserNavigator::File1_DblClick() { cmdPlaySpecificSong_Click(); }

void BrowserNavigator::File1_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (isCtrlEnter(key, modifiers)) cmdPlaySpecificSong_Click();
}

void BrowserNavigator::File1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    // Alt alone: with Shift or Ctrl too the click only selects.
    if (button == Qt::LeftButton && modifiers == Qt::AltModifier)
        playlist_.addPaths(selectedFilePaths());
    else if (button == Qt::RightButton)
        askFileFilter();
}

void BrowserNavigator::txtFileLink_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (isCtrlEnter(key, modifiers)) cmdPlaySpecificSong_Click();
}

void BrowserNavigator::cmdCancelFileFilter_Click() {
    filterButtonShown_ = false;
    emit filterButtonChanged();
    QString pattern;
    SetFileFilter(pattern, true);
}

void BrowserNavigator::cmdPlaySpecificSong_Click() { opener_.openByType(TrimSpaces(pathBox_.text())); }

void BrowserNavigator::imgClipFileLink_Click(int index) {
    if (index == 0) {
        clipboard_.clear();
        clipboard_.setText(pathBox_.text());
    } else {
        pathBox_.setText(clipboard_.text());
    }
}

void BrowserNavigator::mnuFileSelect_Click(int index) {
    if (files_.ListCount() == 0) return;
    if (index == 0)
        files_.selectAll();
    else
        files_.invertSelection();
    emit fileSelectionChanged();
}

bool BrowserNavigator::isCtrlEnter(int key, Qt::KeyboardModifiers modifiers) {
    return (key == Qt::Key_Return || key == Qt::Key_Enter) &&
           (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
}
