#include "lyrics/TextSearch.h"

std::optional<TextSearch::Selection> TextSearch::find(const QString& text, const QString& what) {
    return searchFrom(text, what, 1);
}

std::optional<TextSearch::Selection> TextSearch::findNext(const QString& text) {
    return searchFrom(text, searchText_, searchStart_);
}

std::optional<TextSearch::Selection> TextSearch::searchFrom(const QString& text, const QString& what, int start) {
    searchText_ = what;
    // An empty text is found where the search starts, as an empty selection.
    const qsizetype at = start - 1 > text.size() ? -1 : text.indexOf(what, start - 1, Qt::CaseSensitive);
    if (at < 0) {
        searchStart_ = 1;
        return std::nullopt;
    }
    const int q = static_cast<int>(at) + 1;
    searchStart_ = q + static_cast<int>(what.size());
    return Selection{q - 1, static_cast<int>(what.size())};
}
