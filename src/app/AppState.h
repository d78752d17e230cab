#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>

// The nine check options mnuOptCheck(0..8), by what they do; they index
// OptionState::optCheck.
namespace OptCheck {
enum Index : std::size_t {
    LoadPlaylistAtStart = 0,
    SavePlaylistAtExit = 1,
    FitListHeights = 2,
    StartStopsSong = 3,
    StopStopsSong = 4,
    ShuffleBeforePlaying = 5,
    ConfirmCloseWhilePlaying = 6,
    SpareRowWhenFitting = 7,
    RefreshWhenRestored = 8,
};
}  // namespace OptCheck

// The option values as the option menus hold them: the check marks of
// mnuOptCheck 0..8 and the checked entries of the three choice menus. The
// menus show this; everything else reads it here.
struct OptionState {
    // 0 load playlist.ini at start, 1 save the open playlist at exit, 2 fit
    // folder/file list heights, 3 start the playlist at once, 4 stop the
    // playlist at once, 5 shuffle before playing, 6 confirm closing while a
    // song plays, 7 spare row when fitting, 8 refresh when restored.
    std::array<bool, 9> optCheck{false, false, true, false, false, false, false, false, false};
    int passEntry = 1;         // mnuOptComboList0: 1..5 passes, 6 endless
    int scrollEntry = 0;       // mnuOptComboList1: 0..3
    int lyricSpeedEntry = 3;   // mnuOptComboList2: 0..7
    int backgroundEntry = 0;   // mnuOptComboList3: 0..7
    QString backgroundTag = QStringLiteral("0");  // tag of mnuOptCombo(3), stored as is
};

// The main window's shared run-time state: one object, owned by Frm_Main
// and handed by reference to every panel and tool window. Field names are
// the names the whole program uses; widths are part of the contract
// (8-bit fields unsigned, 16/32-bit signed), so arithmetic on them goes
// through the checked conversions of common/Numbers.h.
struct AppState {
    // Current song (song start and finish).
    QString PSongLink;
    QString PSongLenS;
    QString PLyricLink;
    qint32 PSongLenL = 0;
    QString VersionH;

    // Program name and build text, set at start-up.
    QString VersionB = QStringLiteral("Corvane Audio Player");
    QString VersionT = QStringLiteral(" 2004 Quorvel \u03B5 Build 3311");

    // Software position clock, used while the speed differs from normal.
    bool DoTimeAccumulate = false;
    qint32 AccTimePos = 0;
    double AccLastTime = 0.0;  // ms since midnight

    QString InitDir;        // start folder of the file browser
    QString UPlayList;      // file of the loaded playlist; empty: none
    QString OpenLyricLink;  // file the lyric editor opens next

    // Playlist scheduler.
    qint16 PlayNo = 0;
    qint16 PlayNextNo = 0;
    qint16 PLRep = 0;
    qint16 TotalPLRep = 0;  // 1..5, -1 endless

    // Lyric cursor.
    qint16 LyricNo = 0;
    qint16 LyricNoTotal = 0;

    // Song-length test.
    qint16 ChkSongLen = 0;
    qint16 ChkSongLenEND = 0;
    qint16 ChkSongLenQuick = 0;

    qint16 PLPressed = 0;   // entry under the mouse press (drag to move)
    quint8 FrameState = 0;  // open information section: 0 none, 1 details, 2 lyric, 3 remote
    qint16 DLSM = 0;        // lyric speed adjustment, ms

    // Recent files: entries 1..10 (index 0 unused), entry 1 the newest.
    std::array<QString, 11> FileHist{};

    quint8 PLBackUpNo = 1;       // next playlist backup slot, 1..5
    quint8 TitleDirection = 0;   // caption scrolling: 0 none, 1 left, 2 right, 3 left/right
    quint8 WindowMode = 0;       // 0 full, 1 lyric view, 2 simple
    // 0: left end of the time line (twips); 1: top of the page label's first
    // row; 2: 1 when a spare row is kept while fitting folder heights.
    std::array<qint16, 3> ShiftConst{5700, 0, 0};
    quint8 lblPLItemNo = 0;  // playlist rows per page
    qint16 lblPLpage = 0;    // playlist page shown

    OptionState options;
};
