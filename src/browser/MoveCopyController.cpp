#include "browser/MoveCopyController.h"

#include <QCoreApplication>

#include "app/StatusLine.h"
#include "browser/BrowserNavigator.h"
#include "browser/FileCommandTexts.h"
#include "common/PathText.h"
#include "platform/Dialogs.h"
#include "platform/FileOperations.h"

using namespace FileCommandTexts;

MoveCopyController::MoveCopyController(BrowserNavigator& browser, StatusLine& status, Dialogs& dialogs,
                                       FileOperations& files, QObject* parent)
    : QObject(parent), browser_(browser), status_(status), dialogs_(dialogs), files_(files), transfer_(files) {}

void MoveCopyController::mnuFileCopy_Click(int index) {
    kind_ = index == 0 ? FileTransfer::Kind::Move : FileTransfer::Kind::Copy;
    open_ = true;
    emit panelChanged();
    browser_.ChangeDirPath(browser_.dir1Rows().path(), false);
    status_.setStatus(kChooseDestination + QString::number(index == 0 ? 0 : 1) + u']');
}

void MoveCopyController::cmdFCCancel_Click() {
    close();
    status_.setStatus(kTransferCancelled);
}

void MoveCopyController::close() {
    open_ = false;
    emit panelChanged();
}

void MoveCopyController::cmdFCNext_Click() {
    close();
    // Any number of rows: the counters and texts count them all.
    const QList<int> rows = browser_.fileRows().selectedRows();
    if (rows.isEmpty()) {
        status_.setStatus(kNothingSelected);
        return;
    }
    QString destination = browser_.dir2Rows().path();
    if (destination.isEmpty()) return;
    destination = AddBackslash(destination);
    if (!files_.isFolder(destination)) {
        status_.setStatus(kTransferFailed);
        return;
    }
    overwritten_ = 0;
    skipped_ = 0;
    const int total = static_cast<int>(rows.size());
    for (int i = 0; i < total; ++i)
        if (handle(i + 1, total, rows.at(i), destination) == Step::Stop) return;
    finish(destination, total);
}

MoveCopyController::Step MoveCopyController::handle(int number, int total, int row, const QString& destination) {
    const QString name = browser_.fileRows().name(row);
    const QString source = browser_.GetFullFileLink(row);
    const QString target = destination + name;
    // Onto itself (the same folder, or a link to it): replacing would
    // remove the only copy, so the file counts as skipped.
    if (source == target || files_.sameFile(source, target)) {
        ++skipped_;
        return Step::Next;
    }
    bool replace = false;
    if (files_.isFile(target)) {
        const int answer = answerFor(name);
        if (answer == MsgResult::Cancel) return Step::Stop;
        if (answer != MsgResult::Yes) {
            ++skipped_;
            return Step::Next;
        }
        ++overwritten_;
        replace = true;
    }
    status_.setStatus(transferProgress(name, number, total));
    // Shows the text; the user's own input waits until the run is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!transfer_.transfer(kind_, source, target, replace)) {
        status_.setStatus(kTransferFailed);
        return Step::Stop;
    }
    return Step::Next;
}

int MoveCopyController::answerFor(const QString& name) {
    switch (overwrite_) {
    case Overwrite::Replace: return MsgResult::Yes;
    case Overwrite::Skip: return MsgResult::No;
    case Overwrite::Ask: break;
    }
    return dialogs_.messageBox(overwriteQuestion(name), MsgButtons::YesNoCancel, MsgIcon::Information);
}

void MoveCopyController::finish(const QString& destination, int selected) {
    status_.setStatus(
        transferSummary(kind_ == FileTransfer::Kind::Move, destination, selected, overwritten_, skipped_));
    if (enterDir_)
        browser_.ChangeDirPath(destination, true);
    else
        browser_.rereadFiles();
}
