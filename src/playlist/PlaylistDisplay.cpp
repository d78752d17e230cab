#include "playlist/PlaylistDisplay.h"

#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "common/DataFolder.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "playlist/PlaylistEntries.h"
#include "playlist/PlaylistLabels.h"
#include "playlist/PlaylistLineBuilder.h"
#include "playlist/SongLengthTest.h"

bool parsePlaylistRange(const QString& range, int& from, int& to) {
    if (!range.contains(u'%')) return false;
    const auto first = tryRoundTo<qint16>(leadingNumber(TextBefore(range, QStringLiteral("%"))));
    const auto last = tryRoundTo<qint16>(leadingNumber(TextAfter(range, QStringLiteral("%"))));
    if (!first || !last) return false;
    from = *first;
    to = *last;
    return true;
}

PlaylistDisplay::PlaylistDisplay(PlaylistEntries& entries, PlaylistLabels& labels, SongLengthTest& lengthTest,
                                 AppState& state, QObject* parent)
    : QObject(parent), entries_(entries), labels_(labels), lengthTest_(lengthTest), state_(state), lines_(this) {}

bool PlaylistDisplay::isPageView() const { return state_.WindowMode == 1 || state_.WindowMode == 2; }

void PlaylistDisplay::PLRefreshItems(bool test, const QString& range, bool quick) {
    std::pair<int, int> testRange{0, entries_.count() - 1};
    if (isPageView())
        testRange = refreshPage(range);
    else if (state_.WindowMode == 0)
        testRange = refreshList(range);
    labels_.PLShowDetails(state_.UPlayList, entries_.PLCountLengthS());
    if (test && !entries_.isEmpty()) lengthTest_.start(testRange.first, testRange.second, quick);
}

std::pair<int, int> PlaylistDisplay::refreshPage(const QString& range) {
    const int last = entries_.count() - 1;
    const int perPage = state_.lblPLItemNo;
    const int start = perPage * state_.lblPLpage;
    int end = perPage * (state_.lblPLpage + 1) - 1;
    std::pair<int, int> testRange{0, 0};
    QStringList rows;
    if (perPage > 0 && !entries_.isEmpty() && start >= 0 && start <= last) {
        end = std::min(end, last);
        testRange = {start, end};
        int from = 0;
        int to = 0;
        if (range != QLatin1String("-1") && parsePlaylistRange(range, from, to)) testRange = {from, to};
        const PlaylistLineBuilder builder(DataFolder::lyricsFolder(), entries_, start, end);
        for (int i = start; i <= end; ++i) rows.append(builder.line(i, entries_.at(i)));
    }
    pageText_ = PlaylistLineBuilder::pageText(rows);
    emit pageTextChanged(pageText_);
    return testRange;
}

std::pair<int, int> PlaylistDisplay::refreshList(const QString& range) {
    int remembered = selectedRow_;
    const int count = entries_.count();
    int from = 0;
    int to = count - 1;
    const bool partial = range != QLatin1String("-1") && parsePlaylistRange(range, from, to);
    const std::pair<int, int> testRange{from, to};
    // A partial rebuild keeps the lines outside its range, so it needs a list
    // box in step with the entries; one left behind by the page view is
    // rebuilt whole instead, and the full mode never shows stale lines.
    const int last = std::min(to, count - 1);
    const bool inStep = partial && from >= 0 && from <= lines_.count() && std::max(lines_.count(), last + 1) == count;
    if (inStep) {
        const PlaylistLineBuilder builder(DataFolder::lyricsFolder(), entries_, from, last);
        for (int i = from; i <= last; ++i) lines_.putLine(i, builder.line(i, entries_.at(i)));
    } else {
        const PlaylistLineBuilder builder(DataFolder::lyricsFolder(), entries_, 0, count - 1);
        QStringList all;
        all.reserve(count);
        for (int i = 0; i < count; ++i) all.append(builder.line(i, entries_.at(i)));
        lines_.setLines(std::move(all));
    }
    if (remembered >= lines_.count()) remembered = lines_.count() - 1;
    selectRow(remembered);
    return testRange;
}

void PlaylistDisplay::clear() {
    lines_.clear();
    selectedRow_ = -1;
    emit selectionChanged(-1);
    pageText_.clear();
    emit pageTextChanged(pageText_);
}

void PlaylistDisplay::selectRow(int row) {
    selectedRow_ = row < lines_.count() ? std::max(row, -1) : -1;
    emit selectionChanged(selectedRow_);
    if (selectedRow_ >= 0 && onClick) onClick(selectedRow_);
}

qint16 PlaylistDisplay::lblPLListIndex(double yTwips, bool clampToLast, bool rowOnly) const {
    const double row = std::trunc((yTwips - kFirstRowTwips) / kRowTwips);
    double index = rowOnly ? row : double(state_.lblPLItemNo) * state_.lblPLpage + row;
    const int count = entries_.count();
    if (!(index < count)) index = clampToLast ? count - 1 : -1;
    // A pointer far above the label would give a number beyond 16 bits.
    return static_cast<qint16>(std::max(index, -32768.0));
}

void PlaylistDisplay::moveMarkerToRow(int row) {
    markerTopTwips_ = row * kRowTwips + state_.ShiftConst[1];
    emit markerMoved(markerTopTwips_);
}

void PlaylistDisplay::cmdlblPLPage_Click(int index) {
    if (state_.lblPLItemNo == 0) return;
    int page = state_.lblPLpage + (index == 0 ? -1 : 1);
    // A playlist of exactly n pages has an empty page after them.
    const int maxPage = entries_.count() / state_.lblPLItemNo;
    page = std::min(maxPage, std::max(page, 0));
    if (page == state_.lblPLpage) return;
    state_.lblPLpage = static_cast<qint16>(page);
    PLRefreshItems(false, QStringLiteral("-1"), false);
}

void PlaylistDisplay::PLMoveItem(int from, int to) {
    if (from == to || !entries_.contains(from) || !entries_.contains(to)) return;
    entries_.move(from, to);
    PLRefreshItems(false, QStringLiteral("-1"), false);
}

void PlaylistDisplay::showPlayingEntry(int index) {
    if (state_.WindowMode == 0) {
        selectRow(index);
        return;
    }
    if (!isPageView() || state_.lblPLItemNo == 0) return;
    const int page = index / state_.lblPLItemNo;
    const int row = index % state_.lblPLItemNo;
    if (page != state_.lblPLpage) {
        state_.lblPLpage = static_cast<qint16>(page);
        PLRefreshItems(false, QStringLiteral("-1"), false);
    }
    moveMarkerToRow(row);
}
