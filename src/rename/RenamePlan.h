#pragma once

#include <QString>
#include <QStringList>

class FileOperations;

// One batch: the folder (with its final separator), the current names and
// the new names at the same positions. A missing new name counts as empty.
struct RenamePlan {
    QString folder;
    QStringList before;
    QStringList after;

    qsizetype count() const { return before.size(); }
    QString target(qsizetype i) const { return i < after.size() ? after.at(i) : QString(); }
};

// The temporary name of position `i` during a run: "_ZEL" + i.
QString temporaryName(qsizetype i);

// Everything that would make the run fail part-way, one line per problem,
// checked before any file is touched: an empty, repeated or invalid new
// name, a new name another file of the folder has, a new name that is
// another position's temporary name, a temporary name already in the
// folder, a current file that is gone.
QStringList findRenameProblems(const RenamePlan& plan, const FileOperations& files);

// The message that refuses a run, listing at most the first problems.
QString refusalMessage(const QStringList& problems);
