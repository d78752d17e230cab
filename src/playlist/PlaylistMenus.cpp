#include "playlist/PlaylistMenus.h"

#include <QAction>
#include <QMenu>

#include <functional>

#include "playlist/Playlist.h"

namespace {

QString menuText(QString caption) {
    // A data folder may contain "&", which a menu would take as a shortcut.
    return caption.replace(u'&', QStringLiteral("&&"));
}

QAction* addCommand(QMenu* menu, const QString& name, const QString& caption, std::function<void()> run) {
    QAction* action = menu->addAction(menuText(caption));
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, [run = std::move(run)] { run(); });
    return action;
}

const QStringList& sequenceCaptions() {
    static const QStringList captions = {
        QStringLiteral("播完這首歌後重複多一次"),      QStringLiteral("播完這首歌後跳過下一首歌"),
        QStringLiteral("播完這首歌後跳至.(歌曲編號)"), QStringLiteral("立刻跳回上一首"),
        QStringLiteral("立刻跳至下一首 (= 停止播放歌曲)"), QStringLiteral("立刻跳至.(歌曲編號)"),
    };
    return captions;
}

// Adding from a dialog, path editing, clearing missing files and the
// clipboard exports.
QList<QAction*> addEditing(QMenu* menu, PlaylistEditing& editing) {
    QList<QAction*> actions;
    actions << addCommand(menu, QStringLiteral("mnuAddPLItemFromCMDG"), QStringLiteral("新增檔案至PlayList"),
                          [&editing] { editing.mnuAddPLItemFromCMDG(); });
    actions << addCommand(menu, QStringLiteral("mnuEditPLItemLink"), QStringLiteral("修改路徑(From PlayList)"),
                          [&editing] { editing.mnuEditPLItemLink(); });
    actions << addCommand(menu, QStringLiteral("mnuRemoveInvalidPLItem"),
                          QStringLiteral("移除所有檔案不存在的PlayList項目"),
                          [&editing] { editing.mnuRemoveInvalidPLItem(); });
    for (int i = 0; i < 3; ++i)
        actions << addCommand(menu, QStringLiteral("mnuOutputNL_%1").arg(i), PlaylistEditing::mnuOutputNLCaption(i),
                              [&editing, i] { editing.mnuOutputNL(i); });
    return actions;
}

}  // namespace

namespace PlaylistMenus {

QList<QAction*> fill(QMenu* menu, Playlist& playlist) {
    QList<QAction*> actions;
    if (!menu) return actions;
    PlaylistCommands& commands = playlist.commands();
    const QStringList newCaptions = {QStringLiteral("開新PlayList"), QStringLiteral("開新PlayList(新增資料夾內的歌曲)")};
    for (int i = 0; i < 2; ++i)
        actions << addCommand(menu, QStringLiteral("mnuOpenNewPL_%1").arg(i), newCaptions.at(i),
                              [&commands, i] { commands.mnuOpenNewPL(i); });
    menu->addSeparator();
    const QStringList fileCaptions = PlaylistCommands::mnuPLEventsCaptions();
    for (int i = 0; i < fileCaptions.size(); ++i) {
        if (i == 2 || i == 5) menu->addSeparator();
        actions << addCommand(menu, QStringLiteral("mnuPLEvents_%1").arg(i), fileCaptions.at(i),
                              [&commands, i] { commands.mnuPLEvents(i); });
    }
    actions << addCommand(menu, QStringLiteral("mnuRestorePlayList"), QStringLiteral("回復已備份的PlayList"),
                          [&commands] { commands.mnuRestorePlayList(); });
    menu->addSeparator();
    actions << addEditing(menu, playlist.editing());
    menu->addSeparator();
    PlaylistScheduler& scheduler = playlist.scheduler();
    for (int i = 0; i < sequenceCaptions().size(); ++i)
        actions << addCommand(menu, QStringLiteral("mnuPLSequence_%1").arg(i), sequenceCaptions().at(i),
                              [&scheduler, i] { scheduler.mnuPLSequence(i); });
    actions << addCommand(menu, QStringLiteral("mnuRandomizePL"), QStringLiteral("隨機重組PlayList"),
                          [&playlist] { playlist.mnuRandomizePL(); });
    menu->addSeparator();
    const QStringList refreshCaptions = PlaylistCommands::mnuRefreshCaptions();
    for (int i = 0; i < refreshCaptions.size(); ++i)
        actions << addCommand(menu, QStringLiteral("mnuRefresh_%1").arg(i), refreshCaptions.at(i),
                              [&commands, i] { commands.mnuRefresh(i); });
    return actions;
}

}  // namespace PlaylistMenus
