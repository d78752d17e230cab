#pragma once

#include <QList>
#include <QString>

#include "rename/RenamePlan.h"

class FileOperations;

// Where a run shows what it does; the window lets pending events run here.
class RenameProgress {
public:
    virtual ~RenameProgress() = default;
    virtual void showAction(const QString& text) = 0;
    virtual void showProgress(qsizetype done, qsizetype total) = 0;
};

// Renames a checked plan in two phases: every file to its temporary name,
// then every temporary name to the new name, so new names may be names the
// batch has now (swaps and shifts). When a rename fails, every file already
// moved goes back to its earlier name, newest first, and the failure says
// which rename failed and which files, if any, could not go back.
class RenameRun {
public:
    RenameRun(FileOperations& files, RenameProgress& progress) : files_(files), progress_(progress) {}

    // True when every file has its new name; otherwise failureMessage()
    // says why.
    bool run(const RenamePlan& plan);
    QString failureMessage() const { return failure_; }

private:
    struct Move {
        QString from;
        QString to;
        qsizetype position;  // of the file in the plan
    };

    bool runPhase(const QString& action, const QList<Move>& moves);
    bool move(const Move& step);
    void undoAll(const RenamePlan& plan);

    FileOperations& files_;
    RenameProgress& progress_;
    QList<Move> done_;
    QString failure_;
};
