#pragma once

#include <QStringList>

#include "playlist/PlaylistAccess.h"

// A playlist that records what it is asked to do, in one list of calls
// ("Start 1", "Stop", "PLLoadFile /a.ini 0", ...), and answers from its
// own entries.
class FakePlaylistAccess final : public PlaylistAccess {
public:
    QStringList calls;
    QStringList entries;
    bool loadSucceeds = true;
    bool playing = false;

    bool PLLoadFile(const QString& path, bool insert) override {
        calls << QStringLiteral("PLLoadFile %1 %2").arg(path).arg(int(insert));
        return loadSucceeds;
    }
    bool PLSaveFile(const QString& path) override {
        calls << QStringLiteral("PLSaveFile ") + path;
        return true;
    }
    void Start(int order) override { calls << QStringLiteral("Start %1").arg(order); }
    void Stop() override { calls << QStringLiteral("Stop"); }
    bool isPlaying() const override { return playing; }
    void next() override { calls << QStringLiteral("next"); }
    void previous() override { calls << QStringLiteral("previous"); }
    int count() const override { return static_cast<int>(entries.size()); }
    QString entryPath(int index) const override { return entries.value(index); }
    QStringList lines() const override { return entries; }
    void addPaths(const QStringList& paths) override {
        calls << QStringLiteral("addPaths ") + paths.join(u',');
        entries << paths;
    }
    void mnuRefresh(int index) override { calls << QStringLiteral("mnuRefresh %1").arg(index); }
    void PLRefreshItems(bool test, const QString& range, bool quick) override {
        calls << QStringLiteral("PLRefreshItems %1 %2 %3").arg(int(test)).arg(range).arg(int(quick));
    }
};
