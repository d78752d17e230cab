#include "playback/FileHistory.h"

namespace FileHistory {

bool add(List& list, const QString& path) {
    if (path == list[1]) return false;
    for (int i = kEntries; i >= 2; --i) list[i] = list[i - 1];
    list[1] = path;
    return true;
}

QString caption(int index, const QString& path) { return QString::number(index) + QStringLiteral(". ") + path; }

}  // namespace FileHistory
