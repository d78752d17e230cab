#pragma once

// The browser's neighbours as fakes, and a navigator over a generated tree:
//   music/  A.MP3 b.mp3 c.wav notes.txt track2.mp3 track10.mp3, folders Jazz, Pop/a/b/c, Rock
//   usb/    a drive: x.mp3, Songs/;   gone: a drive that is not there
#include <QList>
#include <QStringList>

#include <utility>

#include "app/AppState.h"
#include "app/PathBox.h"
#include "browser/BrowserNavigator.h"
#include "browser/DriveSource.h"
#include "browser/FileOpener.h"
#include "browser/InfoArea.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakePlaylistAccess.h"
#include "support/FakeSeams.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

class FixedDrives final : public DriveSource {
public:
    explicit FixedDrives(QList<DriveEntry> list) : list_(std::move(list)) {}
    QList<DriveEntry> drives() const override { return list_; }

private:
    QList<DriveEntry> list_;
};

struct BrowserRig {
    BrowserRig() {
        using namespace Qt::StringLiterals;
        for (const char* name : {"A.MP3", "b.mp3", "c.wav", "notes.txt", "track2.mp3", "track10.mp3"})
            dir.writeFile(u"music/"_s + QString::fromUtf8(name), "x");
        for (const char* folder : {"music/Jazz", "music/Pop/a/b/c", "music/Rock", "usb/Songs"})
            dir.makeDir(QString::fromUtf8(folder));
        dir.writeFile(u"usb/x.mp3"_s, "x");
    }
    QString inMusic(const char* name) const { return music + QStringLiteral("/") + QString::fromUtf8(name); }
    static QString counts(int folders, int files) {
        return QStringLiteral("總共%1個資料夾, %2個檔案").arg(folders).arg(files);
    }

    TempDir dir;
    QString music = dir.path(QStringLiteral("music"));
    QString usb = dir.path(QStringLiteral("usb"));
    QString gone = dir.path(QStringLiteral("gone"));
    AppState state;
    RecordingStatusLine status;
    FakeDialogs dialogs;
    FakeClipboard clipboard;
    FakePathBox pathBox;
    FakeFileOpener opener;
    FakePlaylistAccess playlist;
    FakeInfoArea info;
    BrowserNavigator navigator{state,    status,   dialogs, clipboard, pathBox, opener, playlist, info,
                               std::make_unique<FixedDrives>(QList<DriveEntry>{
                                   {QStringLiteral("/"), {}}, {usb, QStringLiteral("USB")}, {gone, {}}})};
};
