#pragma once

#include <QtGlobal>
#include <qnamespace.h>

class FileOpener;
class InfoArea;
class PathBox;
class PlaylistDisplay;
class PlaylistEditing;
class PlaylistEntries;
class SongStarter;
struct AppState;

// The mouse and key events of both playlist views, as the widgets report
// them: the list box of the full mode and the page label of the compact
// modes (positions in twips from the label's top). Pressing on one entry and
// releasing on another moves the entry there.
class PlaylistViewEvents {
public:
    PlaylistViewEvents(PlaylistEntries& entries, PlaylistDisplay& display, PlaylistEditing& editing, AppState& state,
                       SongStarter& starter, PathBox& pathBox, FileOpener& opener, InfoArea& info);

    // List box (listPLItemName).
    void listClick(int row);
    void listDoubleClick();
    void listKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void listMouseDown(Qt::MouseButton button);
    void listMouseUp();

    // Page label (lblPLItemName).
    void pageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double yTwips);
    void pageMouseUp(double yTwips);

    // What a click on a list line does (also raised by selecting a line).
    void entryClicked(int row);

private:
    void setFileLink(const QString& path);

    PlaylistEntries& entries_;
    PlaylistDisplay& display_;
    PlaylistEditing& editing_;
    AppState& state_;
    SongStarter& starter_;
    PathBox& pathBox_;
    FileOpener& opener_;
    InfoArea& info_;
};
