#pragma once

#include <QObject>

#include "playlist/PlaylistCommands.h"
#include "playlist/PlaylistDisplay.h"
#include "playlist/PlaylistEntries.h"
#include "playlist/PlaylistHooks.h"
#include "playlist/PlaylistLabels.h"
#include "playlist/PlaylistScheduler.h"
#include "playlist/PlaylistStore.h"
#include "playlist/PlaylistViewEvents.h"
#include "playlist/SchedulerHost.h"
#include "playlist/SongLengthTest.h"

class MultiMedia;
class SongStarter;
class StatusLine;
struct AppServices;
struct AppState;

// The whole playlist without its widgets: the entries, both views' text,
// the file commands, the length test and the scheduler, wired to each other
// and to the media layer. The panel only forwards widget events to it.
class Playlist : public QObject, private SchedulerHost {
    Q_OBJECT
public:
    Playlist(AppState& state, AppServices& services, StatusLine& status, MultiMedia& media, SongStarter& starter,
             QObject* parent = nullptr);

    // Hooks may be filled in after construction.
    PlaylistHooks& hooks() { return hooks_; }
    PlaylistEntries& entries() { return entries_; }
    PlaylistLabels& labels() { return labels_; }
    SongLengthTest& lengthTest() { return lengthTest_; }
    PlaylistDisplay& display() { return display_; }
    PlaylistStore& store() { return store_; }
    PlaylistViewEvents& events() { return events_; }
    PlaylistScheduler& scheduler() { return scheduler_; }
    PlaylistCommands& commands() { return commands_; }

    // The shuffle menu (mnuRandomizePL); seeded from the time of day.
    void mnuRandomizePL();

private:
    quint8 songMode() override;
    qint32 songPositionMs() override;
    void playEntry(int index) override;
    void stopSong() override;
    void showEntry(int index) override;
    void shuffle() override { mnuRandomizePL(); }

    AppState& state_;
    AppServices& services_;
    MultiMedia& media_;
    SongStarter& starter_;
    PlaylistHooks hooks_;
    PlaylistEntries entries_;
    PlaylistLabels labels_;
    SongLengthTest lengthTest_;
    PlaylistDisplay display_;
    PlaylistStore store_;
    PlaylistViewEvents events_;
    PlaylistScheduler scheduler_;
    PlaylistCommands commands_;
};
