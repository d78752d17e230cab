#pragma once

#include <QString>

#include <array>

// The recent-files list: entries 1..10 (index 0 unused), entry 1 the newest.
namespace FileHistory {

inline constexpr int kEntries = 10;
using List = std::array<QString, kEntries + 1>;

// Puts `path` in front unless it already is entry 1 (exact comparison);
// the tenth entry falls out. A path further down is not removed, so it can
// appear twice. Returns whether the list changed.
bool add(List& list, const QString& path);

// The menu caption of entry `index`: "3. /music/a.mp3".
QString caption(int index, const QString& path);

}  // namespace FileHistory
