#pragma once

#include <QString>

// Title, artist and album of a song as the desktop's media widget shows
// them: an MP3's ID3v1 fields where it has them, else the file's title.
// Reading never asks anything: a file that cannot be read has no tag.
struct TrackTags {
    QString title;
    QString artist;
    QString album;

    static TrackTags of(const QString& path);
};
