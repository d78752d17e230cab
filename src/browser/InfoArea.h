#pragma once

#include <QString>

#include "app/LayoutModes.h"
#include "common/NotBuiltYet.h"

// The information area below the browser: the file details, the lyric
// viewer and the remote placeholder, one section open at a time.
class InfoArea {
public:
    virtual ~InfoArea() = default;
    virtual InfoSection section() const = 0;
    // The open flag of a section's header. Song start and seeking load the
    // lyric while the lyric section's flag is set; the lyric-viewing window
    // mode sets that flag without opening a section.
    virtual bool isOpen(InfoSection section) const = 0;
    // Opens `section` and closes the others (None closes all).
    virtual void SetFrameState(InfoSection section) = 0;
    // A file was picked in the browser or the playlist: the details section,
    // when open, shows it.
    virtual void showFileDetails(const QString& path) = 0;
};

// Until the information area exists every section stays closed.
class NullInfoArea final : public InfoArea {
public:
    InfoSection section() const override { return InfoSection::None; }
    bool isOpen(InfoSection) const override { return false; }
    void SetFrameState(InfoSection) override { log_.skipped("SetFrameState"); }
    void showFileDetails(const QString&) override {}

private:
    NotBuiltYet log_{"the information area"};
};
