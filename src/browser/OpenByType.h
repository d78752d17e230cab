#pragma once

#include <QString>

// What opening a path from the path box does, by the file's extension.
enum class OpenGroup {
    Missing,   // empty path, no such file, or a folder
    Media,     // mp3, wav, mid, midi, wma: played
    Playlist,  // m3u, pls, ini or no extension
    Picture,   // bmp, jpg, gif, tif, jpeg
    Text,      // txt, lyr: the lyric editor
    Program,   // exe
    Other,
};

class OpenByType {
public:
    // The group of a trimmed path; checks that a file (not a folder) is there.
    static OpenGroup classify(const QString& path);
    // The group of a lower-case extension, assuming the file exists.
    static OpenGroup groupOfExtension(const QString& extLower);
};
