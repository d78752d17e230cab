#pragma once

#include <QList>

class Playlist;
class QAction;
class QMenu;

// Fills the main window's playlist menu: new playlist, the file commands,
// restore, the editing and clipboard commands, the sequence commands, the shuffle and the refresh commands.
// Every action is named after its command ("mnuPLEvents_2").
namespace PlaylistMenus {

QList<QAction*> fill(QMenu* menu, Playlist& playlist);

}  // namespace PlaylistMenus
