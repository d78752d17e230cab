#include "rename/RenameRun.h"

#include <QSet>

#include "platform/FileOperations.h"

namespace {

QString nameOnly(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

}  // namespace

bool RenameRun::run(const RenamePlan& plan) {
    done_.clear();
    failure_.clear();
    QList<Move> toTemporary;
    QList<Move> toTarget;
    for (qsizetype i = 0; i < plan.count(); ++i) {
        const QString temporary = plan.folder + temporaryName(i);
        toTemporary.append({plan.folder + plan.before.at(i), temporary, i});
        toTarget.append({temporary, plan.folder + plan.target(i), i});
    }
    if (runPhase(QStringLiteral("行動: 寫入暫存檔名中... "), toTemporary) &&
        runPhase(QStringLiteral("行動: 寫入目標檔名中... "), toTarget))
        return true;
    undoAll(plan);
    return false;
}

bool RenameRun::runPhase(const QString& action, const QList<Move>& moves) {
    progress_.showAction(action);
    for (qsizetype i = 0; i < moves.size(); ++i) {
        if (!move(moves.at(i))) {
            failure_ = QStringLiteral("無法將 %1 改名為 %2。").arg(nameOnly(moves.at(i).from), nameOnly(moves.at(i).to));
            return false;
        }
        progress_.showProgress(i + 1, moves.size());
    }
    return true;
}

bool RenameRun::move(const Move& step) {
    // A name that stays is no rename; the file system would see a target
    // that exists.
    if (step.from == step.to) return true;
    if (!files_.rename(step.from, step.to)) return false;
    done_.append(step);
    return true;
}

void RenameRun::undoAll(const RenamePlan& plan) {
    progress_.showAction(QStringLiteral("行動: 改回原本檔名中... "));
    QStringList stranded;
    QSet<qsizetype> stuck;
    // Newest first: each undo frees the name the one before it needs. A
    // file that cannot go back stays where it is and is named once.
    for (qsizetype i = done_.size() - 1; i >= 0; --i) {
        const Move& step = done_.at(i);
        if (stuck.contains(step.position)) continue;
        if (!files_.rename(step.to, step.from)) {
            stuck.insert(step.position);
            stranded << QStringLiteral("%1 (原本是 %2)").arg(nameOnly(step.to), plan.before.at(step.position));
        }
        progress_.showProgress(done_.size() - i, done_.size());
    }
    done_.clear();
    if (stranded.isEmpty()) {
        failure_ += QStringLiteral("\r\n已將全部檔案改回原本的檔名。");
    } else {
        failure_ += QStringLiteral("\r\n下列檔案無法改回原本的檔名, 請自行改回:\r\n") + stranded.join(QStringLiteral("\r\n"));
    }
}
