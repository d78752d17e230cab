#include "browser/DirFavShortcuts.h"

#include "app/StatusLine.h"
#include "browser/BrowserNavigation.h"
#include "browser/FileCommandTexts.h"
#include "browser/MoveCopyController.h"
#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/FileOperations.h"

using namespace FileCommandTexts;

DirFavShortcuts::DirFavShortcuts(BrowserNavigation& browser, const MoveCopyController& moveCopy, StatusLine& status,
                                 Dialogs& dialogs, Clipboard& clipboard, FileOperations& files, QObject* parent)
    : QObject(parent),
      browser_(browser),
      moveCopy_(moveCopy),
      status_(status),
      dialogs_(dialogs),
      clipboard_(clipboard),
      files_(files) {}

void DirFavShortcuts::LoadDirFav() {
    QStringList lines;
    if (!files_.isFile(DataFolder::dirFavFile()) || !TextFile::readLines(DataFolder::dirFavFile(), lines)) return;
    // Lines are taken as written, spaces and all; empty lines take no entry.
    // Entries after the last line read keep what they held.
    int n = 0;
    for (const QString& line : std::as_const(lines)) {
        if (n == kFileEntries) break;
        if (!line.isEmpty()) tags_[n++] = line;
    }
    emit entriesChanged();
}

QString DirFavShortcuts::caption(int index) const {
    if (index >= 1 && index <= kFileEntries) {
        const QString& path = tags_[index - 1];
        return path.isEmpty() ? QString() : QStringLiteral("%1. ").arg(index) + path;
    }
    switch (index) {
    case kDataFolder: return QStringLiteral("11. ") + DataFolder::displayName() + QStringLiteral(" (Default)");
    case kAsk: return kShortcutAsk;
    case kReload: return kShortcutReload;
    default: return {};
    }
}

QString DirFavShortcuts::tag(int index) const {
    return index >= 1 && index <= kFileEntries ? tags_[index - 1] : QString();
}

void DirFavShortcuts::mnuDirFav_Click(int index) {
    if (index == kReload) {
        LoadDirFav();
        return;
    }
    QString path = tag(index);
    if (index == kDataFolder) path = DataFolder::root();
    if (index == kAsk) path = dialogs_.inputBox(kShortcutPrompt, {}, clipboard_.text());
    // An empty path (an entry not loaded, a cancelled box) is no folder.
    if (path.isEmpty() || !files_.isFolder(path) || !browser_.ChangeDirPath(path, !moveCopy_.isOpen()))
        status_.setStatus(shortcutMissing(path));
}
