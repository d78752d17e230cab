#pragma once

#include <QObject>

#include "playlist/PlaylistCommands.h"
#include "playlist/PlaylistDisplay.h"
#include "playlist/PlaylistEditing.h"
#include "playlist/PlaylistEntries.h"
#include "playlist/PlaylistAccess.h"
#include "playlist/PlaylistLabels.h"
#include "playlist/PlaylistScheduler.h"
#include "playlist/PlaylistStore.h"
#include "playlist/PlaylistViewEvents.h"
#include "playlist/SchedulerHost.h"
#include "playlist/SongLengthTest.h"

class BrowserNavigation;
class Clipboard;
class Clock;
class Dialogs;
class FileOpener;
class InfoArea;
class MultiMedia;
class PassCountChoice;
class PathBox;
class SongStarter;
class StatusLine;
struct AppState;

// The whole playlist without its widgets: the entries, both views' text,
// the file commands, the length test and the scheduler, wired to each other
// and to the media layer. The panel only forwards widget events to it;
// other parts use it as PlaylistAccess.
class Playlist : public QObject, public PlaylistAccess, private SchedulerHost {
    Q_OBJECT
public:
    // What the playlist uses of the rest of the program.
    struct Seams {
        SongStarter& starter;
        BrowserNavigation& browser;
        FileOpener& opener;
        PathBox& pathBox;
        InfoArea& info;
        PassCountChoice& passCount;
        // A platform service, carried here so the callers that build the
        // playlist name every outside thing it uses in one place.
        Clipboard& clipboard;
    };

    Playlist(AppState& state, Dialogs& dialogs, Clock& clock, StatusLine& status, MultiMedia& media, Seams seams,
             QObject* parent = nullptr);
    PlaylistEntries& entries() { return entries_; }
    PlaylistLabels& labels() { return labels_; }
    SongLengthTest& lengthTest() { return lengthTest_; }
    PlaylistDisplay& display() { return display_; }
    PlaylistStore& store() { return store_; }
    PlaylistViewEvents& events() { return events_; }
    PlaylistScheduler& scheduler() { return scheduler_; }
    PlaylistCommands& commands() { return commands_; }
    PlaylistEditing& editing() { return editing_; }

    // The shuffle menu (mnuRandomizePL); seeded from the time of day.
    void mnuRandomizePL();

    // PlaylistAccess.
    bool PLLoadFile(const QString& path, bool insert) override { return store_.PLLoadFile(path, insert); }
    bool PLSaveFile(const QString& path) override { return store_.PLSaveFile(path); }
    void Start(int order) override { scheduler_.Start(order); }
    void Stop() override { scheduler_.Stop(); }
    bool isPlaying() const override { return scheduler_.isRunning(); }
    void next() override { scheduler_.mnuPLSequence(PlaylistScheduler::NextNow); }
    void previous() override { scheduler_.mnuPLSequence(PlaylistScheduler::PreviousNow); }
    int count() const override { return entries_.count(); }
    QString entryPath(int index) const override { return entries_.path(index); }
    QStringList lines() const override;
    void addPaths(const QStringList& paths) override { editing_.addPaths(paths); }
    void mnuRefresh(int index) override { commands_.mnuRefresh(index); }
    void PLRefreshItems(bool test, const QString& range, bool quick) override {
        display_.PLRefreshItems(test, range, quick);
    }

private:
    quint8 songMode() override;
    qint32 songPositionMs() override;
    void playEntry(int index) override;
    void stopSong() override;
    void showEntry(int index) override;
    void shuffle() override { mnuRandomizePL(); }

    AppState& state_;
    Clock& clock_;
    MultiMedia& media_;
    SongStarter& starter_;
    PlaylistEntries entries_;
    PlaylistLabels labels_;
    SongLengthTest lengthTest_;
    PlaylistDisplay display_;
    PlaylistStore store_;
    PlaylistEditing editing_;
    PlaylistViewEvents events_;
    PlaylistScheduler scheduler_;
    PlaylistCommands commands_;
};
