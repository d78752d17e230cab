#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "playlist/Playlist.h"

class IntervalTimer;
class MultiMedia;
class ClickLabel;
class PlaylistListView;
class PlaylistPageLabel;
class QFrame;
class QMenu;
class QToolButton;
class QWidget;
class SongStarter;
class StatusLine;
struct AppServices;
struct AppState;

// The playlist's widgets on the main window's canvas: the list box and its
// buttons in the full mode's right column, the page label with its marker,
// border and page buttons in the compact modes, and the two detail labels.
// Everything the widgets do goes to the Playlist logic.
class PlaylistPanel : public QObject {
    Q_OBJECT
public:
    PlaylistPanel(QWidget* canvas, AppState& state, AppServices& services, StatusLine& status, MultiMedia& media,
                  SongStarter& starter);
    ~PlaylistPanel() override;

    Playlist& playlist() { return *playlist_; }
    PlaylistHooks& hooks() { return playlist_->hooks(); }

    // Adds the playlist commands to the main window's playlist menu.
    void fillMenu(QMenu* playlistMenu);
    // Places and shows the controls of a window mode (0 full, 1 lyric view,
    // 2 simple); the mode's fields are the caller's to set.
    void applyWindowMode(int mode);

    // For the transport menu and for start-up and exit.
    void Start(int index) { playlist_->scheduler().Start(index); }
    void Stop() { playlist_->scheduler().Stop(); }
    bool PLLoadFile(const QString& path, bool insert) { return playlist_->store().PLLoadFile(path, insert); }
    bool PLSaveFile(const QString& path) { return playlist_->store().PLSaveFile(path); }
    void mnuRefresh(int index) { playlist_->commands().mnuRefresh(index); }

    // For the state inspector.
    IntervalTimer& PlayListTimer() { return playlist_->scheduler().PlayListTimer(); }
    IntervalTimer& PLInfoTimer() { return playlist_->scheduler().PLInfoTimer(); }
    IntervalTimer& SongLenTimer() { return playlist_->lengthTest().SongLenTimer(); }

    PlaylistListView* listPLItemName() const { return list_; }
    PlaylistPageLabel* lblPLItemName() const { return pageLabel_; }
    ClickLabel* lblPLDetails(int index) const { return details_[index == 0 ? 0 : 1]; }
    QFrame* lblPLMargin() const { return marker_; }

private:
    void buildFullModeControls(QWidget* canvas);
    void buildPageControls(QWidget* canvas);
    void connectLogic();
    void placeMarker(int topTwips);

    Playlist* playlist_ = nullptr;
    AppState& state_;
    PlaylistListView* list_ = nullptr;
    PlaylistPageLabel* pageLabel_ = nullptr;
    ClickLabel* details_[2] = {};
    QFrame* border_ = nullptr;
    QFrame* marker_ = nullptr;
    QToolButton* startButtons_[2] = {};
    QToolButton* stopButton_ = nullptr;
    QToolButton* loadPicture_ = nullptr;
    QToolButton* addFolderButton_ = nullptr;
    QToolButton* pageButtons_[2] = {};
    QList<QPointer<QWidget>> widgets_;  // every widget above, deleted with the panel
};
