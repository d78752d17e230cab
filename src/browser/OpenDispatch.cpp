#include "browser/OpenDispatch.h"

#include "app/SongStarter.h"
#include "app/StatusLine.h"
#include "browser/BrowserTexts.h"
#include "browser/OpenByType.h"
#include "browser/OpenGroupHandler.h"

OpenDispatch::OpenDispatch(StatusLine& status, SongStarter& songs, OpenGroupHandler& others)
    : status_(status), songs_(songs), others_(others) {}

void OpenDispatch::openByType(const QString& path) {
    switch (const OpenGroup group = OpenByType::classify(path)) {
    case OpenGroup::Missing: status_.setStatus(BrowserTexts::kFileMissing); return;
    case OpenGroup::Media: songs_.SongStarted(path); return;
    default: others_.openFile(path, group); return;
    }
}
