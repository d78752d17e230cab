#pragma once

#include <QtGlobal>
#include <qnamespace.h>

class FileOpener;
class InfoArea;
class PathBox;
class PlaylistDisplay;
class PlaylistEntries;
class SongStarter;
struct AppState;

// The mouse and key events of both playlist views, as the widgets report
// them: the list box of the full mode and the page label of the compact
// modes (positions in twips from the label's top). Pressing on one entry and
// releasing on another moves the entry there.
class PlaylistViewEvents {
public:
    PlaylistViewEvents(PlaylistEntries& entries, PlaylistDisplay& display, AppState& state, SongStarter& starter,
                       PathBox& pathBox, FileOpener& opener, InfoArea& info);

    // List box (listPLItemName).
    void listClick(int row);
    void listDoubleClick();
    void listKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void listMouseDown(Qt::MouseButton button);
    void listMouseUp();
    // The remove button 0 and the Delete key: removes the selected entry and
    // selects the one now in its place (or the new last one).
    void removeSelected();

    // Page label (lblPLItemName).
    void pageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double yTwips);
    void pageMouseUp(double yTwips);

    // What a click on a list line does (also raised by selecting a line).
    void entryClicked(int row);

private:
    void setFileLink(const QString& path);

    PlaylistEntries& entries_;
    PlaylistDisplay& display_;
    AppState& state_;
    SongStarter& starter_;
    PathBox& pathBox_;
    FileOpener& opener_;
    InfoArea& info_;
};
