#pragma once

#include <QString>
#include <QStringList>

// The playlist as other parts drive and read it: start-up loads it, the
// close saves it, the transport menu starts and stops it, the browser adds
// files to it, the remote reads its entries and lines.
class PlaylistAccess {
public:
    virtual ~PlaylistAccess() = default;
    // Loads a playlist file, replacing the open one (or inserting it).
    virtual bool PLLoadFile(const QString& path, bool insert) = 0;
    virtual bool PLSaveFile(const QString& path) = 0;
    // 0 plays (shuffled first when that option is on), 1 plays in order.
    virtual void Start(int order) = 0;
    virtual void Stop() = 0;
    // The scheduler plays the list (between Start and Stop).
    virtual bool isPlaying() const = 0;
    // The next and the previous entry, at once.
    virtual void next() = 0;
    virtual void previous() = 0;
    virtual int count() const = 0;
    virtual QString entryPath(int index) const = 0;
    // The lines the list shows (listPLItemName).
    virtual QStringList lines() const = 0;
    // Appends files at the end and measures only them.
    virtual void addPaths(const QStringList& paths) = 0;
    // The refresh menu (mnuRefresh 0..3, 9 the browser alone).
    virtual void mnuRefresh(int index) = 0;
    // Rebuilds the display of the current window mode (the list box, or the
    // page label) for `range` ("-1" all, or "from%to"); `test` starts the
    // song-length test over it.
    virtual void PLRefreshItems(bool test, const QString& range, bool quick) = 0;
};
