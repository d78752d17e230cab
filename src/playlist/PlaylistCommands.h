#pragma once

#include <QString>
#include <QStringList>

class BrowserNavigation;
class Dialogs;
class PassCountChoice;
class PlaylistDisplay;
class PlaylistEditing;
class PlaylistEntries;
class PlaylistLabels;
class PlaylistStore;
class SongLengthTest;
class StatusLine;
struct AppState;

// The playlist menu's file commands (mnuPLEvents 0..7, new playlist,
// restore), the refresh menu and the details label click: each one a short step over the store, the display, the browser
// and the pass option.
class PlaylistCommands {
public:
    // mnuPLEvents(0..7).
    enum FileCommand {
        LoadDefault = 0,
        SaveDefault = 1,
        Open = 2,
        Save = 3,
        SaveAs = 4,
        Insert = 5,
        Rename = 6,
        Delete = 7,
    };
    // mnuRefresh(0..3); any other index refreshes the browser alone.
    enum Refresh {
        RefreshLines = 0,
        RefreshAndMeasureAll = 1,
        RefreshAndMeasure = 2,
        StopMeasuring = 3,
        RefreshBrowserOnly = 9,
    };

    PlaylistCommands(PlaylistEntries& entries, PlaylistDisplay& display, PlaylistStore& store,
                     PlaylistLabels& labels, SongLengthTest& lengthTest, PlaylistEditing& editing, AppState& state,
                     StatusLine& status, Dialogs& dialogs, BrowserNavigation& browser, PassCountChoice& passCount);

    // Captions, with the real data folder where the commands name it.
    static QStringList mnuPLEventsCaptions();
    static QStringList mnuRefreshCaptions();

    void mnuPLEvents(int index);
    // 0: an empty unnamed playlist; 1: the same, then every song of the
    // folder the browser shows.
    void mnuOpenNewPL(int index);
    void mnuRestorePlayList();
    // Steps the pass option: 1, 2, 3, 4, 5, endless, 1, ...
    void lblPLDetails_Click();
    // 0..3 refresh the playlist too; any other index only the browser.
    void mnuRefresh(int index);

private:
    QString askOpenFile();
    void saveAs();

    PlaylistEntries& entries_;
    PlaylistDisplay& display_;
    PlaylistStore& store_;
    PlaylistLabels& labels_;
    SongLengthTest& lengthTest_;
    PlaylistEditing& editing_;
    AppState& state_;
    StatusLine& status_;
    Dialogs& dialogs_;
    BrowserNavigation& browser_;
    PassCountChoice& passCount_;
};
