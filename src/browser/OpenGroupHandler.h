#pragma once

#include <QString>

#include "browser/OpenByType.h"

// Opens an existing file that is not a song: a playlist file, a picture, a
// text or lyric file, a program or anything else. Songs never come here.
class OpenGroupHandler {
public:
    virtual ~OpenGroupHandler() = default;
    virtual void openFile(const QString& path, OpenGroup group) = 0;
};
