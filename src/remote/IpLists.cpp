#include "remote/IpLists.h"

#include <QFileInfo>

#include "common/DataFolder.h"
#include "common/TextFile.h"

namespace {
const QString kAcceptHeader = QStringLiteral("[自動接受的IP]");
const QString kRefuseHeader = QStringLiteral("[自動拒絕的IP]");
}  // namespace

IpLists::Verdict IpLists::verdictFor(const QString& address) const {
    if (lists_[AutoRefuse].contains(address) || lists_[TempRefuse].contains(address)) return Verdict::Refuse;
    if (lists_[AutoAccept].contains(address) || lists_[TempAccept].contains(address)) return Verdict::Accept;
    return Verdict::Unknown;
}

void IpLists::removeAt(int index, int row) {
    QStringList& list = lists_.at(index);
    if (row >= 0 && row < list.size()) list.removeAt(row);
}

void IpLists::clearTemporary() {
    lists_[TempAccept].clear();
    lists_[TempRefuse].clear();
}

QString IpLists::defaultPath() { return DataFolder::root() + QStringLiteral("RemoteIP.ini"); }

bool IpLists::save(const QString& path, QString* error) const {
    QStringList lines{kAcceptHeader};
    lines << lists_[AutoAccept] << kRefuseHeader << lists_[AutoRefuse];
    return TextFile::writeLines(path, lines, error);
}

bool IpLists::load(const QString& path) {
    lists_[AutoAccept].clear();
    lists_[AutoRefuse].clear();
    if (!QFileInfo::exists(path)) return true;
    QStringList lines;
    if (!TextFile::readLines(path, lines)) return false;
    QStringList* target = nullptr;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line == kAcceptHeader) target = &lists_[AutoAccept];
        else if (line == kRefuseHeader) target = &lists_[AutoRefuse];
        else if (!line.isEmpty() && target != nullptr) target->append(line);
    }
    return true;
}
