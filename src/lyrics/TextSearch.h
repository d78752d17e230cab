#pragma once

#include <QString>

#include <optional>

// The find / find next cursor of the lyric editor. Positions of the search
// start are counted from 1; a found text is given as a selection counted
// from 0. Characters compare exactly.
class TextSearch {
public:
    struct Selection {
        int start = 0;  // from 0
        int length = 0;
        bool operator==(const Selection&) const = default;
    };

    // Searches `text` for `what` from position 1.
    std::optional<Selection> find(const QString& text, const QString& what);
    // Searches `text` for the last searched text from where the last find
    // ended; after a miss the next search starts at the top again.
    std::optional<Selection> findNext(const QString& text);

    QString searchText() const { return searchText_; }
    // Replacing sets the text the next find offers.
    void setSearchText(const QString& text) { searchText_ = text; }
    int searchStart() const { return searchStart_; }

private:
    std::optional<Selection> searchFrom(const QString& text, const QString& what, int start);

    QString searchText_;
    int searchStart_ = 1;
};
