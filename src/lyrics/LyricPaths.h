#pragma once

#include <QString>

// Where the lyric editor loads from and saves to. A song's lyric lives in
// the lyric folder under the song's file title with ".lyr".
namespace LyricPaths {

// The lyric file the player looks up for a song whose file title equals
// that of `path`: <lyric folder>/<title>.lyr.
QString autoPath(const QString& path);
// The file a save writes: a bare name goes into the lyric folder; empty when
// the path is empty or spaces.
QString savePath(const QString& path);

}  // namespace LyricPaths
