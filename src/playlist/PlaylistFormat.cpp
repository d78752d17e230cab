#include "playlist/PlaylistFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <optional>

#include "common/CodePage.h"
#include "common/PathText.h"
#include "playlist/PlaylistEntries.h"
#include "playlist/PlaylistLineBuilder.h"

namespace {

bool startsWithNoCase(const QString& text, QLatin1StringView start) {
    return text.startsWith(start, Qt::CaseInsensitive);
}

// "file:///a%20b.mp3" and "file://localhost/a%20b.mp3" name "/a b.mp3".
// Decoded by hand rather than by QUrl, which would cut the path at a "#"
// that players leave unencoded. Another host is no local file: nullopt.
std::optional<QString> localFileOf(const QString& address) {
    QString rest = address.mid(5);  // after "file:"
    if (rest.startsWith(QLatin1StringView("//"))) {
        const qsizetype slash = rest.indexOf(u'/', 2);
        const QString host = rest.mid(2, slash < 0 ? -1 : slash - 2);
        if (!host.isEmpty() && host.compare(QLatin1StringView("localhost"), Qt::CaseInsensitive) != 0) return {};
        rest = slash < 0 ? QString() : rest.mid(slash);
    }
    return QUrl::fromPercentEncoding(rest.toUtf8());
}

bool isAddress(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return scheme.match(text).hasMatch();
}

// PLS "File12" (any case) gives 12.
std::optional<qint64> fileNumber(const QString& key) {
    static const QRegularExpression fileKey(QStringLiteral("^file([0-9]{1,18})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = fileKey.match(key);
    if (!match.hasMatch()) return {};
    return match.captured(1).toLongLong();
}

// Whole seconds, rounded; -1 for an entry not measured yet.
QString seconds(qint32 lengthMs) {
    return QString::number(lengthMs > 0 ? (qint64(lengthMs) + 500) / 1000 : -1);
}

QStringList m3uLines(const PlaylistEntries& entries) {
    QStringList lines{QStringLiteral("#EXTM3U")};
    for (int i = 0; i < entries.count(); ++i) {
        const PlaylistEntry& entry = entries.at(i);
        lines += QStringLiteral("#EXTINF:") + seconds(entry.lengthMs) + u',' +
                 PlaylistLineBuilder::displayTitle(entry.path);
        lines += entry.path;
    }
    return lines;
}

QStringList plsLines(const PlaylistEntries& entries) {
    QStringList lines{QStringLiteral("[playlist]")};
    for (int i = 0; i < entries.count(); ++i) {
        const PlaylistEntry& entry = entries.at(i);
        const QString n = QString::number(i + 1);
        lines += QStringLiteral("File") + n + u'=' + entry.path;
        lines += QStringLiteral("Title") + n + u'=' + PlaylistLineBuilder::displayTitle(entry.path);
        lines += QStringLiteral("Length") + n + u'=' + seconds(entry.lengthMs);
    }
    lines += QStringLiteral("NumberOfEntries=") + QString::number(entries.count());
    lines += QStringLiteral("Version=2");
    return lines;
}

}  // namespace

namespace PlaylistFormat {

Kind forPath(const QString& path) {
    const QString ext = GetFileExt(path).toLower();
    if (ext == QLatin1StringView("m3u")) return Kind::M3u;
    if (ext == QLatin1StringView("m3u8")) return Kind::M3u8;
    if (ext == QLatin1StringView("pls")) return Kind::Pls;
    return Kind::Own;
}

TextLineReader::Encoding encoding(Kind kind) {
    return kind == Kind::M3u8 ? TextLineReader::Encoding::Utf8 : TextLineReader::Encoding::CodePageRules;
}

Parser::Parser(Kind kind, const QString& listPath)
    : kind_(kind), folder_(QFileInfo(listPath).absolutePath() + kPathSeparator) {}

void Parser::addLine(const QString& line) {
    switch (kind_) {
    case Kind::Own:
        if (QString path = TrimSpaces(line); !path.isEmpty()) paths_.append(std::move(path));
        return;
    case Kind::M3u:
    case Kind::M3u8:
        if (const QString text = line.trimmed(); !text.isEmpty() && !text.startsWith(u'#')) addPath(resolve(text));
        return;
    case Kind::Pls:
        addPlsLine(line);
        return;
    }
}

void Parser::addPlsLine(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return;
    const std::optional<qint64> number = fileNumber(line.left(equals).trimmed());
    const QString value = line.mid(equals + 1).trimmed();
    // A key given twice counts once, with its last value, as in any INI file.
    if (!number || value.isEmpty()) return;
    if (QString path = resolve(value); !path.isEmpty()) numbered_[*number] = std::move(path);
}

void Parser::addPath(QString path) {
    if (!path.isEmpty()) paths_.append(std::move(path));
}

int Parser::count() const { return static_cast<int>(kind_ == Kind::Pls ? numbered_.size() : paths_.size()); }

QStringList Parser::paths() const {
    if (kind_ != Kind::Pls) return paths_;
    QStringList list;
    list.reserve(static_cast<qsizetype>(numbered_.size()));
    for (const auto& [number, path] : numbered_) list.append(path);
    return list;
}

QString Parser::resolve(const QString& text) const {
    if (startsWithNoCase(text, QLatin1StringView("file:"))) return localFileOf(text).value_or(text);
    if (isAddress(text) || QDir::isAbsolutePath(text)) return text;
    return QDir::cleanPath(folder_ + text);
}

QStringList lines(Kind kind, const PlaylistEntries& entries) {
    switch (kind) {
    case Kind::M3u:
    case Kind::M3u8:
        return m3uLines(entries);
    case Kind::Pls:
        return plsLines(entries);
    case Kind::Own:
        break;
    }
    return entries.paths();
}

QByteArray encode(Kind kind, const QString& text) {
    return kind == Kind::M3u8 ? text.toUtf8() : CodePage::encodeForFile(text);
}

}  // namespace PlaylistFormat
