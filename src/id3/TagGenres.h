#pragma once

#include <QStringList>
#include <QtGlobal>

// The tag editor's genre list: items 0..147 are the ID3v1 genres by number,
// item 148 is "no genre", stored as 255.
namespace TagGenres {

inline constexpr int kNoGenreItem = 148;
inline constexpr int kItemCount = 149;

// The 149 items as the list shows them.
const QStringList& items();
// The item a stored genre number selects: 0..147 itself, anything else 148.
int itemForNumber(int number);
// The number an item stores: its position, 255 for item 148 or no item.
quint8 numberForItem(int item);

}  // namespace TagGenres
