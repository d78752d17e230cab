#include "common/PathText.h"

namespace {

QString fileNameOf(const QString& path) {
    const qsizetype sep = path.lastIndexOf(kPathSeparator);
    return sep < 0 ? path : path.mid(sep + 1);
}

}  // namespace

QString GetFileTitle(const QString& path) {
    const QString name = fileNameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString GetFileExt(const QString& path) {
    const QString name = fileNameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString GetParentPath(const QString& path) {
    const qsizetype sep = path.lastIndexOf(kPathSeparator);
    return sep < 0 ? QString() : path.left(sep + 1);
}

QString TrimSpaces(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == u' ') ++start;
    while (end > start && text.at(end - 1) == u' ') --end;
    return text.mid(start, end - start);
}

QString AddBackslash(QString& path) {
    path = TrimSpaces(path);
    if (path.endsWith(kPathSeparator)) return path;
    return path + kPathSeparator;
}

QString TextBefore(const QString& text, const QString& separator) {
    if (text.isEmpty() || separator.isEmpty()) return {};
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? QString() : text.left(at);
}

QString TextAfter(const QString& text, const QString& separator) {
    if (text.isEmpty() || separator.isEmpty()) return {};
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? QString() : text.mid(at + 1);
}

QString TextBeforeLast(const QString& text, const QString& separator) {
    if (text.isEmpty() || separator.isEmpty()) return {};
    const qsizetype at = text.lastIndexOf(separator);
    return at < 0 ? QString() : text.left(at);
}

QString ReplaceText(const QString& text, const QString& find, const QString& replacement, bool matchCase) {
    if (text.isEmpty()) return {};
    if (find.isEmpty()) return text;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const qsizetype f = find.size();
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i <= text.size() - f) {
        if (QStringView(text).mid(i, f).compare(find, cs) == 0) {
            result += replacement;
            i += f;
        } else {
            result += text.at(i);
            ++i;
        }
    }
    result += QStringView(text).mid(i);
    return result;
}

QString TrimFirstLine(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n') ++end;
    return TrimSpaces(text.left(end));
}
