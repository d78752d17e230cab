#pragma once

#include <QString>

#include "browser/OpenByType.h"
#include "common/NotBuiltYet.h"

// Opens an existing file that is not a song: a playlist file, a picture, a
// text or lyric file, a program or anything else. Songs never come here.
class OpenGroupHandler {
public:
    virtual ~OpenGroupHandler() = default;
    virtual void openFile(const QString& path, OpenGroup group) = 0;
};

// Until the file commands exist, only songs open.
class NullOpenGroupHandler final : public OpenGroupHandler {
public:
    void openFile(const QString&, OpenGroup) override { log_.skipped("open a file that is not a song"); }

private:
    NotBuiltYet log_{"opening files by type"};
};
