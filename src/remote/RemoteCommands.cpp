#include "remote/RemoteCommands.h"

#include <QStringList>

#include <array>
#include <cmath>

#include "app/SongStarter.h"
#include "browser/BrowserNavigation.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "playback/Transport.h"
#include "playlist/PlaylistAccess.h"

namespace {

const QString kSeparator = QStringLiteral("|");
const QString kLineEnd = QStringLiteral("\r\n");

QString trimSpaces(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == u' ') ++from;
    while (to > from && text.at(to - 1) == u' ') --to;
    return text.mid(from, to - from);
}

QString joinedOrEmptyNote(const QStringList& lines) {
    if (lines.isEmpty()) return QStringLiteral("PlayList中沒有歌曲存在");
    return lines.join(kLineEnd);
}

}  // namespace

struct RemoteCommands::Entry {
    const char16_t* name;
    QString (RemoteCommands::*run)(const QString& parameter);
};

RemoteCommands::RemoteCommands(SongStarter& songs, Transport& transport, PlaylistAccess& playlist,
                               BrowserNavigation& browser)
    : songs_(songs), transport_(transport), playlist_(playlist), browser_(browser) {}

const RemoteCommands::Entry* RemoteCommands::find(const QString& command) {
    static const std::array<Entry, 7> table{{
        {u"play", &RemoteCommands::play},
        {u"stop", &RemoteCommands::stop},
        {u"playitem", &RemoteCommands::playItem},
        {u"echo", &RemoteCommands::echo},
        {u"listitem", &RemoteCommands::listItem},
        {u"listitempath", &RemoteCommands::listItemPath},
        {u"listfileitem", &RemoteCommands::listFileItem},
    }};
    for (const Entry& entry : table)
        if (command.compare(QString::fromUtf16(entry.name), Qt::CaseInsensitive) == 0) return &entry;
    return nullptr;
}

QString RemoteCommands::AnalysisResult(const QString& commandText) {
    const QString command = trimSpaces(TextBefore(commandText, kSeparator));
    if (!commandText.contains(kSeparator) || command.isEmpty()) return QStringLiteral("沒有效的指令");
    const Entry* entry = find(command);
    if (entry == nullptr) return QStringLiteral("未定義的指令");
    return (this->*(entry->run))(trimSpaces(TextAfter(commandText, kSeparator)));
}

QString RemoteCommands::play(const QString& parameter) {
    // Always a single song: a playlist or a program named here is never
    // loaded or run, whatever its extension.
    songs_.SongStarted(parameter);
    return QStringLiteral("『播放』指令已執行");
}

QString RemoteCommands::stop(const QString&) {
    transport_.stop();
    return QStringLiteral("『停止』指令已執行");
}

QString RemoteCommands::playItem(const QString& parameter) {
    const double index = roundHalfEven(leadingNumber(parameter) - 1.0);
    if (!std::isfinite(index) || index < 0.0 || index >= static_cast<double>(playlist_.count()))
        return QStringLiteral("無效的項目編號");
    songs_.SongStarted(playlist_.entryPath(static_cast<int>(index)));
    return QStringLiteral("『播放項目』指令已執行");
}

QString RemoteCommands::echo(const QString&) { return QStringLiteral("信息已被收到"); }

QString RemoteCommands::listItem(const QString&) { return joinedOrEmptyNote(playlist_.lines()); }

QString RemoteCommands::listItemPath(const QString&) {
    QStringList paths;
    for (int i = 0; i < playlist_.count(); ++i) paths << playlist_.entryPath(i);
    return joinedOrEmptyNote(paths);
}

QString RemoteCommands::listFileItem(const QString&) {
    const QStringList names = browser_.fileNames();
    if (names.isEmpty()) return QStringLiteral("資料夾沒有檔案存在");
    QString reply = QStringLiteral("路徑: ") + browser_.currentFolder();
    for (const QString& name : names) reply += kLineEnd + name;
    return reply;
}
