#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "playlist/PlaylistLinesModel.h"

class PlaylistEntries;
class PlaylistLabels;
class SongLengthTest;
class StatusLine;
struct AppState;

// What the user sees of the playlist, in either view: the full mode's list
// box (one line per entry, in lines()) and the compact modes' page label (one
// page of lblPLItemNo entries, in pageText()) with its row marker. Rebuilds
// follow PLRefreshItems; the selection of the list box lives here so the
// logic can keep it across rebuilds, and the panel mirrors it.
class PlaylistDisplay : public QObject {
    Q_OBJECT
public:
    // Page label geometry, in twips: every row is 180 high and the first
    // starts 15 below the label's top.
    static constexpr int kRowTwips = 180;
    static constexpr int kFirstRowTwips = 15;

    PlaylistDisplay(PlaylistEntries& entries, PlaylistLabels& labels, SongLengthTest& lengthTest,
                    AppState& state, QObject* parent = nullptr);

    PlaylistLinesModel& lines() { return lines_; }
    const PlaylistLinesModel& lines() const { return lines_; }
    QString pageText() const { return pageText_; }
    int selectedRow() const { return selectedRow_; }
    int markerTopTwips() const { return markerTopTwips_; }
    bool isPageView() const;

    // Rebuilds the lines of the view the window mode shows, then the total
    // in the name label; with `test` it also starts the length test over the
    // range ("-1": all entries, or the page in the compact modes; otherwise
    // "from%to").
    void PLRefreshItems(bool test, const QString& range, bool quick);

    // Empties both views (a new playlist) without rebuilding anything.
    void clear();

    // Selects a list box line as a click would (the click handler runs);
    // -1 selects nothing.
    void selectRow(int row);
    // The view reports a selection the user made; no click handler runs.
    void setSelectedRow(int row) { selectedRow_ = row; }

    // Entry number under a vertical position on the page label (twips from
    // its top): -1 (or the last entry with clampToLast) below the last one;
    // with rowOnly just the row within the page.
    qint16 lblPLListIndex(double yTwips, bool clampToLast, bool rowOnly) const;
    void moveMarkerToRow(int row);
    // cmdlblPLPage: 0 previous page, 1 next page.
    void cmdlblPLPage_Click(int index);
    // Moves the entry at `from` to `to` and rebuilds (nothing when equal or
    // either is outside the list).
    void PLMoveItem(int from, int to);
    // Shows the entry the scheduler has just started: selects its line, or
    // turns to its page and puts the marker on its row.
    void showPlayingEntry(int index);

    // The list box's click event, raised by selectRow.
    std::function<void(int row)> onClick;

signals:
    void selectionChanged(int row);
    void pageTextChanged(const QString& text);
    void markerMoved(int topTwips);

private:
    // Returns the test range of the rebuild.
    std::pair<int, int> refreshPage(const QString& range);
    std::pair<int, int> refreshList(const QString& range);

    PlaylistEntries& entries_;
    PlaylistLabels& labels_;
    SongLengthTest& lengthTest_;
    AppState& state_;
    PlaylistLinesModel lines_;
    QString pageText_;
    int selectedRow_ = -1;
    int markerTopTwips_ = 0;
};

// Reads "from%to" into two entry numbers; false when the text is not such a
// range (then the caller treats it as the whole list).
bool parsePlaylistRange(const QString& range, int& from, int& to);
