#include "rename/RenameController.h"

#include "browser/BrowserNavigation.h"
#include "common/PathText.h"
#include "platform/Dialogs.h"
#include "rename/RenameRun.h"

namespace {

QString nameOnly(const QString& path) { return path.mid(path.lastIndexOf(kPathSeparator) + 1); }

QString countedUp(const QString& box) {
    const auto value = wholeNumberOf(box);
    return value ? QString::number(*value + 1) : box;
}

}  // namespace

RenameController::RenameController(BrowserNavigation& browser, Dialogs& dialogs, FileOperations& files)
    : browser_(browser), dialogs_(dialogs), files_(files) {}

void RenameController::Form_Load() {
    const QStringList all = browser_.fileNames();
    if (all.isEmpty()) return;
    QString folder = browser_.currentFolder();
    plan_.folder = AddBackslash(folder);
    for (const QString& path : browser_.selectedFilePaths()) plan_.before << nameOnly(path);
    if (plan_.before.isEmpty()) plan_.before = all;
    boxes_.firstNumber = QStringLiteral("1");
    boxes_.lastNumber = lastNumberText(boxes_.firstNumber, plan_.before.size());
    boxes_.length = QString::number(defaultLength(plan_.before.size()));
}

QString RenameController::caption() const { return QStringLiteral("批次檔案命名 [") + plan_.folder + u']'; }

void RenameController::PreviewTemplate() {
    if (plan_.before.isEmpty()) return;
    const QStringList names = previewNames(boxes_, plan_.before.size());
    if (!names.isEmpty()) plan_.after = names;
}

void RenameController::firstNumberChanged() {
    boxes_.lastNumber = lastNumberText(boxes_.firstNumber, plan_.before.size());
    PreviewTemplate();
}

void RenameController::codeChanged() {
    if (const auto shown = codeRangeText(boxes_.firstCode, boxes_.lastCode)) boxes_.codeRange = *shown;
    PreviewTemplate();
}

void RenameController::lengthDoubleClicked() {
    boxes_.length = countedUp(boxes_.length);
    PreviewTemplate();
}

void RenameController::numberDoubleClicked() {
    boxes_.firstNumber = countedUp(boxes_.firstNumber);
    firstNumberChanged();
}

void RenameController::cmdDirectCopy_Click() { plan_.after = plan_.before; }

void RenameController::listFunction_Click(NameFunction function) { applyNameFunction(function, plan_.after, dialogs_); }

void RenameController::listAfter_Click(qsizetype position) {
    chosen_ = position >= 0 && position < plan_.after.size() ? position : -1;
}

void RenameController::txtEdit_Enter(const QString& text) {
    if (chosen_ < 0 || chosen_ >= plan_.after.size()) return;
    plan_.after[chosen_] = TrimSpaces(text);
    listAfter_Click(chosen_ + 1 < plan_.after.size() ? chosen_ + 1 : 0);
}

RenameController::RunResult RenameController::ExecuteRename(RenameProgress& progress) {
    if (plan_.before.isEmpty()) {
        dialogs_.messageBox(QStringLiteral("沒有選擇任何檔案!"), MsgButtons::Ok, MsgIcon::Critical);
        return RunResult::NoFiles;
    }
    const QStringList problems = findRenameProblems(plan_, files_);
    if (!problems.isEmpty()) {
        dialogs_.messageBox(refusalMessage(problems), MsgButtons::Ok, MsgIcon::Exclamation);
        return RunResult::Refused;
    }
    RenameRun run(files_, progress);
    if (run.run(plan_)) return RunResult::Renamed;
    dialogs_.messageBox(run.failureMessage(), MsgButtons::Ok, MsgIcon::Critical);
    return RunResult::Failed;
}

bool RenameController::cmdExecute_Click(RenameProgress& progress) {
    if (ExecuteRename(progress) == RunResult::Refused) return false;
    browser_.refresh();
    return true;
}
