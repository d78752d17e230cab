#pragma once

#include <QObject>
#include <QString>

#include "browser/FileTransfer.h"

class BrowserNavigator;
class Dialogs;
class FileOperations;
class StatusLine;

// Moving and copying the browser's selected files into a folder chosen in
// the destination pair Drive2 / Dir2: the panel's state (open, kind, the
// overwrite rule, entering the folder afterwards) and the run with its
// question, counters and status texts. The panel draws what this holds.
class MoveCopyController : public QObject {
    Q_OBJECT
public:
    // optFCOverWrite: ask for each existing file, replace, skip.
    enum class Overwrite { Ask = 0, Replace = 1, Skip = 2 };

    MoveCopyController(BrowserNavigator& browser, StatusLine& status, Dialogs& dialogs, FileOperations& files,
                       QObject* parent = nullptr);

    bool isOpen() const { return open_; }
    // 0 move, 1 copy, as cmdFCNext's tag holds it.
    int kind() const { return static_cast<int>(kind_); }
    Overwrite overwrite() const { return overwrite_; }
    void setOverwrite(Overwrite rule) { overwrite_ = rule; }
    bool enterDir() const { return enterDir_; }
    void setEnterDir(bool on) { enterDir_ = on; }

    // mnuFileCopy(index): 0 move, 1 copy; the destination starts at Dir1.
    void mnuFileCopy_Click(int index);
    void cmdFCCancel_Click();
    // Runs the move or copy. Returns when every file is handled, or at
    // the first failure or a Cancel.
    void cmdFCNext_Click();

signals:
    // Opened or closed.
    void panelChanged();

private:
    enum class Step { Next, Stop };
    void close();
    Step handle(int number, int total, int row, const QString& destination);
    // The answer for an existing target: Yes, No or Cancel.
    int answerFor(const QString& name);
    void finish(const QString& destination, int selected);

    BrowserNavigator& browser_;
    StatusLine& status_;
    Dialogs& dialogs_;
    FileOperations& files_;
    FileTransfer transfer_;
    bool open_ = false;
    FileTransfer::Kind kind_ = FileTransfer::Kind::Move;
    Overwrite overwrite_ = Overwrite::Ask;
    bool enterDir_ = false;
    int overwritten_ = 0;
    int skipped_ = 0;
};
