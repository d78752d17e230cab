#include "rename/RenamePlan.h"

#include <QHash>
#include <QSet>

#include "platform/FileOperations.h"

namespace {

// A box listing thousands of lines is no use; the first ones show the kind.
constexpr qsizetype kProblemsListed = 20;

const QString kTemporaryPrefix = QStringLiteral("_ZEL");

// The position whose temporary name `name` is, or -1.
qsizetype temporaryPosition(const QString& name, qsizetype count) {
    if (!name.startsWith(kTemporaryPrefix)) return -1;
    const QString digits = name.mid(kTemporaryPrefix.size());
    bool ok = false;
    const qsizetype position = digits.toLongLong(&ok);
    if (!ok || position < 0 || position >= count || QString::number(position) != digits) return -1;
    return position;
}

QString entryLabel(const RenamePlan& plan, qsizetype i) {
    return QStringLiteral("第 %1 項 %2: ").arg(i + 1).arg(plan.before.at(i));
}

class ProblemFinder {
public:
    ProblemFinder(const RenamePlan& plan, const FileOperations& files) : plan_(plan), files_(files) {
        for (const QString& name : plan.before) batch_.insert(name);
    }

    QStringList find() {
        for (qsizetype i = 0; i < plan_.count(); ++i) {
            checkSource(i);
            checkTemporary(i);
            checkTarget(i);
        }
        return problems_;
    }

private:
    void add(qsizetype i, const QString& problem) { problems_ << entryLabel(plan_, i) + problem; }

    void checkSource(qsizetype i) {
        if (!files_.exists(plan_.folder + plan_.before.at(i))) add(i, QStringLiteral("原本的檔案已不存在"));
    }

    // A file of the batch already named after its own temporary name only
    // keeps it; any other holder of the name would stop phase 1.
    void checkTemporary(qsizetype i) {
        const QString temporary = temporaryName(i);
        if (plan_.before.at(i) != temporary && files_.exists(plan_.folder + temporary))
            add(i, QStringLiteral("暫存檔名 %1 已存在於資料夾中").arg(temporary));
    }

    void checkTarget(qsizetype i) {
        const QString target = plan_.target(i);
        if (target.isEmpty()) return add(i, QStringLiteral("新檔名是空的"));
        if (!files_.isValidFileName(plan_.folder, target))
            return add(i, QStringLiteral("新檔名 %1 不是有效的檔名").arg(target));
        const auto earlier = firstHolder_.constFind(target);
        if (earlier != firstHolder_.constEnd())
            return add(i, QStringLiteral("新檔名 %1 與第 %2 項重複").arg(target).arg(*earlier + 1));
        firstHolder_.insert(target, i);
        const qsizetype temporaryOf = temporaryPosition(target, plan_.count());
        if (temporaryOf >= 0 && temporaryOf != i)
            return add(i, QStringLiteral("新檔名 %1 是改名時用的暫存檔名").arg(target));
        if (!batch_.contains(target) && files_.exists(plan_.folder + target))
            add(i, QStringLiteral("新檔名 %1 已是資料夾中其他檔案的名稱").arg(target));
    }

    const RenamePlan& plan_;
    const FileOperations& files_;
    QSet<QString> batch_;
    QHash<QString, qsizetype> firstHolder_;
    QStringList problems_;
};

}  // namespace

QString temporaryName(qsizetype i) { return kTemporaryPrefix + QString::number(i); }

QStringList findRenameProblems(const RenamePlan& plan, const FileOperations& files) {
    return ProblemFinder(plan, files).find();
}

QString refusalMessage(const QStringList& problems) {
    QString text = QStringLiteral("沒有任何檔案被改名, 請先修正以下問題:");
    for (qsizetype i = 0; i < problems.size() && i < kProblemsListed; ++i) text += QStringLiteral("\r\n") + problems.at(i);
    if (problems.size() > kProblemsListed)
        text += QStringLiteral("\r\n… 另有 %1 個問題").arg(problems.size() - kProblemsListed);
    return text;
}
