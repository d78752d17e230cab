#include "playlist/PlaylistStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "app/AppState.h"
#include "app/StatusLine.h"
#include "common/DataFolder.h"
#include "common/PathText.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "playlist/PlaylistEntries.h"
#include "playlist/PlaylistFile.h"
#include "playlist/PlaylistLabels.h"

namespace {

constexpr int kBackupSlots = 5;

bool isFile(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool samePath(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    const QString cb = QFileInfo(b).canonicalFilePath();
    return !ca.isEmpty() && ca == cb;
}

// Replaces `target` with a copy of `source` only once the copy is complete.
bool copyOver(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

// A backup is always in the own format, so that opening it (it has no
// extension) loads the same entries: an M3U or PLS file is converted, an own
// file copied as it is. A file that reads as no playlist at all is copied
// too, so the backup still holds what the save replaces.
bool backUp(const QString& path, const QString& backup) {
    const PlaylistFormat::Kind kind = PlaylistFormat::forPath(path);
    if (kind == PlaylistFormat::Kind::Own) return copyOver(path, backup);
    const PlaylistFile::ReadResult old = PlaylistFile::read(path, kind, PlaylistEntries::kMaxEntries);
    return old.ok ? PlaylistFile::writeOwn(backup, old.paths) : copyOver(path, backup);
}

}  // namespace

PlaylistStore::PlaylistStore(PlaylistEntries& entries, PlaylistLabels& labels, AppState& state,
                             StatusLine& status, Dialogs& dialogs, Clock& clock)
    : entries_(entries), labels_(labels), state_(state), status_(status), dialogs_(dialogs), clock_(clock) {}

QString PlaylistStore::stamped(const QString& text, const QString& path) const {
    return text + QStringLiteral(" (") + path + QStringLiteral(") [") + clock_.timeOfDayText() + u']';
}

void PlaylistStore::loadFailed(const QString& path, const PlaylistFile::ReadResult& file) {
    // A file that cannot be opened or read keeps the old message; a file
    // that is no text says why it was refused.
    const QString reason = file.refused() ? file.error : QStringLiteral("檔案不存在!");
    dialogs_.messageBox(QStringLiteral("PlayList 載入失敗!") + reason + u'(' + path + u')', MsgButtons::Ok,
                        MsgIcon::Critical);
}

void PlaylistStore::saveFailed(const QString& path) {
    dialogs_.messageBox(QStringLiteral("PlayList 儲存失敗!(") + path + QStringLiteral(")\r\n可能是PlayList內沒有歌曲."),
                        MsgButtons::Ok, MsgIcon::Critical);
}

bool PlaylistStore::PLLoadFile(const QString& path, bool insert) {
    QString copy = path;
    return PLLoadFile(copy, insert);
}

bool PlaylistStore::PLLoadFile(QString& path, bool insert) {
    path = TrimSpaces(path);
    if (!isFile(path)) {
        loadFailed(path);
        return false;
    }
    // The file is read before the playlist changes, so a file that cannot be
    // read or is refused leaves the open playlist intact; the read stops at
    // the entries the playlist has room for.
    const int room = PlaylistEntries::kMaxEntries - (insert ? entries_.count() : 0);
    const PlaylistFile::ReadResult file = PlaylistFile::read(path, room);
    if (!file.ok) {
        loadFailed(path, file);
        return false;
    }
    if (!insert) entries_.clear();
    entries_.appendAll(file.paths);
    if (insert) {
        status_.setStatus(stamped(QStringLiteral("PlayList 插入成功"), path));
    } else {
        labels_.PLShowDetails(path, QString());
        status_.setStatus(stamped(QStringLiteral("PlayList 載入成功"), path));
        state_.UPlayList = path;
    }
    // The entries past the room were never read, so their number is unknown.
    if (file.leftOut)
        dialogs_.messageBox(QStringLiteral("PlayList 最多只能有 ") + QString::number(PlaylistEntries::kMaxEntries) +
                                QStringLiteral(" 首歌曲, 其餘的歌曲沒有被載入.\r\n") + path,
                            MsgButtons::Ok, MsgIcon::Exclamation);
    if (onLoaded) onLoaded();
    return true;
}

bool PlaylistStore::PLSaveFile(const QString& path) {
    PLBackUpFile(path);
    if (entries_.isEmpty()) {
        saveFailed(path);
        return false;
    }
    // The new file replaces the old one only once it is completely written;
    // a failed write leaves the old playlist file as it was.
    if (!PlaylistFile::write(path, entries_)) {
        saveFailed(path);
        return false;
    }
    labels_.PLShowDetails(path, QString());
    status_.setStatus(stamped(QStringLiteral("PlayList 儲存成功"), path));
    state_.UPlayList = path;
    return true;
}

bool PlaylistStore::PLBackUpFile(const QString& path) {
    if (!isFile(path)) return false;
    const QString backup = DataFolder::backupFile(state_.PLBackUpNo);
    // Copying the file onto itself is refused: the backup of this slot is
    // the very file being saved.
    if (samePath(path, backup) || !backUp(path, backup)) {
        dialogs_.messageBox(QStringLiteral("不能備份檔案,因要儲存的PlayList名稱和將要備份的檔案名一樣!"),
                            MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    state_.PLBackUpNo = state_.PLBackUpNo < kBackupSlots ? quint8(state_.PLBackUpNo + 1) : quint8(1);
    return true;
}

bool PlaylistStore::openPlaylistExists() const {
    if (isFile(state_.UPlayList)) return true;
    status_.setStatus(QStringLiteral("沒有載入PlayList, 或PlayList檔案不存在."));
    return false;
}

void PlaylistStore::renameOpenPlaylist() {
    if (!openPlaylistExists()) return;
    const QString oldName = QFileInfo(state_.UPlayList).fileName();
    const QString answer = TrimSpaces(dialogs_.inputBox(
        QStringLiteral("請輸入新的PlayList名稱.\r\n原本PlayList名稱: ") + oldName, QString(), oldName));
    if (answer.isEmpty()) return;
    const QString newPath = GetParentPath(state_.UPlayList) + answer;
    if (newPath != state_.UPlayList) {
        // An existing file of that name is never overwritten.
        if (QFileInfo::exists(newPath) || !QFile::rename(state_.UPlayList, newPath)) {
            status_.setStatus(QStringLiteral("PlayList 名稱修改失敗 [") + answer + u']');
            return;
        }
    }
    state_.UPlayList = newPath;
    labels_.PLShowDetails(state_.UPlayList, QString());
    status_.setStatus(QStringLiteral("PlayList 名稱修改成功 [") + QFileInfo(newPath).fileName() + u']');
}

void PlaylistStore::deleteOpenPlaylist() {
    if (!openPlaylistExists()) return;
    const QString name = QFileInfo(state_.UPlayList).fileName();
    const int answer = dialogs_.messageBox(
        QStringLiteral("是否要刪除 ") + name + QStringLiteral(" ?\r\n") + state_.UPlayList, MsgButtons::YesNo,
        MsgIcon::Question);
    if (answer != MsgResult::Yes) return;
    if (!QFile::remove(state_.UPlayList)) {
        status_.setStatus(QStringLiteral("PlayList 刪除失敗 (") + state_.UPlayList + u')');
        return;
    }
    state_.UPlayList.clear();
    labels_.PLShowDetails(QString(), QString());
}
