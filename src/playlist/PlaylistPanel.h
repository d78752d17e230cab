#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "playlist/Playlist.h"
#include "ui/widgets/MainPanel.h"

class ClickLabel;
class PlaylistListView;
class PlaylistPageLabel;
class QFrame;
class QMenu;
class QToolButton;
class QWidget;
struct AppState;

// The playlist's widgets on the main window's canvas: the list box and its
// buttons in the full mode's right column (start and stop above the list,
// add and remove below it), the copy picture beside the path box's
// clipboard pictures, the page label with its marker,
// border and page buttons in the compact modes, and the two detail labels.
// Everything the widgets do goes to the Playlist logic.
class PlaylistPanel : public QObject, public MainPanel {
    Q_OBJECT
public:
    PlaylistPanel(QWidget* canvas, Playlist& playlist, AppState& state);
    ~PlaylistPanel() override;

    // Adds the playlist commands to the main window's playlist menu.
    void addMenuEntries(const MainMenus& menus) override;
    // Adds PlayListTimer, PLInfoTimer and SongLenTimer.
    void registerTimers(TimerRegistry& timers) override;
    // Places and shows the controls of a window mode; the mode's fields are
    // the caller's to set.
    void applyWindowMode(WindowMode mode) override;

    PlaylistListView* listPLItemName() const { return list_; }
    PlaylistPageLabel* lblPLItemName() const { return pageLabel_; }
    ClickLabel* lblPLDetails(int index) const { return details_[index == 0 ? 0 : 1]; }
    QToolButton* cmdAddItem(int index) const { return addButtons_[index]; }
    QToolButton* cmdDeleteItem(int index) const { return deleteButtons_[index]; }
    ClickLabel* imgCopySongLink() const { return copySongLink_; }
    QFrame* lblPLMargin() const { return marker_; }

private:
    void buildFullModeControls(QWidget* canvas);
    void buildEditControls(QWidget* canvas);
    void buildPageControls(QWidget* canvas);
    QList<QWidget*> fullModeOnly() const;
    QList<QWidget*> pageViewOnly() const;
    void connectLogic();
    void showName(const QString& caption, const QString& toolTip);
    void placeMarker(int topTwips);

    Playlist& playlist_;
    AppState& state_;
    PlaylistListView* list_ = nullptr;
    PlaylistPageLabel* pageLabel_ = nullptr;
    ClickLabel* details_[2] = {};
    QFrame* border_ = nullptr;
    QFrame* marker_ = nullptr;
    QToolButton* startButtons_[2] = {};
    QToolButton* stopButton_ = nullptr;
    QToolButton* loadPicture_ = nullptr;
    QToolButton* addButtons_[4] = {};
    QToolButton* deleteButtons_[2] = {};
    ClickLabel* copySongLink_ = nullptr;
    QToolButton* pageButtons_[2] = {};
    QList<QPointer<QWidget>> widgets_;  // every widget above, deleted with the panel
};
