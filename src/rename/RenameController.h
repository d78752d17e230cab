#pragma once

#include <QString>
#include <QStringList>

#include "rename/NameFunctions.h"
#include "rename/RenamePlan.h"
#include "rename/RenameTemplate.h"

class BrowserNavigation;
class Dialogs;
class FileOperations;
class RenameProgress;

// The batch renamer's decisions: which files it renames (the browser's
// selection, or all its files), the new names from the template, the name
// functions and single edits, and the checked two-phase run. The window
// copies the boxes in, calls the event, and draws what this holds.
class RenameController {
public:
    RenameController(BrowserNavigation& browser, Dialogs& dialogs, FileOperations& files);

    // Takes the folder and the names from the browser, once.
    void Form_Load();
    QString caption() const;
    const QString& folder() const { return plan_.folder; }
    const QStringList& before() const { return plan_.before; }
    const QStringList& after() const { return plan_.after; }

    // The template and range boxes, as the window shows them.
    TemplateBoxes& boxes() { return boxes_; }
    const TemplateBoxes& boxes() const { return boxes_; }

    void PreviewTemplate();
    // The first number changed: the last number follows, then the preview.
    void firstNumberChanged();
    // A character code changed: the two characters, then the preview.
    void codeChanged();
    // A double click on the minimum length or a number box counts one up.
    void lengthDoubleClicked();
    void numberDoubleClicked();

    void cmdDirectCopy_Click();
    void listFunction_Click(NameFunction function);

    // Chooses the entry at `position` for editing; -1 when none is chosen.
    void listAfter_Click(qsizetype position);
    qsizetype chosenEntry() const { return chosen_; }
    QString editText() const { return chosen_ >= 0 && chosen_ < plan_.after.size() ? plan_.after.at(chosen_) : QString(); }
    // Stores the edited entry and chooses the next one (the first after the last).
    void txtEdit_Enter(const QString& text);

    enum class RunResult { NoFiles, Refused, Failed, Renamed };
    // Checks every new name, then renames; every refusal and failure is told
    // in a message box.
    RunResult ExecuteRename(RenameProgress& progress);
    // The execute button: the run, then the browser re-reads its files.
    // True when the window closes; a refused run keeps it open, untouched,
    // so the names can be mended.
    bool cmdExecute_Click(RenameProgress& progress);

private:
    BrowserNavigation& browser_;
    Dialogs& dialogs_;
    FileOperations& files_;
    RenamePlan plan_;
    TemplateBoxes boxes_;
    qsizetype chosen_ = -1;
};
