#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include "app/LifecycleWindow.h"
#include "app/PassCountChoice.h"
#include "app/PathBox.h"
#include "app/SongStarter.h"
#include "app/StatusLine.h"
#include "browser/BrowserNavigation.h"
#include "browser/FileOpener.h"
#include "browser/InfoArea.h"
#include "platform/Clipboard.h"
#include "playback/Transport.h"
#include "playback/WindowCaption.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistAccess.h"

// The other parts of the player as a benchmark or a screenshot of one panel
// needs them: present, and doing nothing. The browser shows `folder` (its
// files as they are on disk) with `selected` chosen, the playlist holds
// `entries`, no song is loaded, and the main window never ends.
class QuietSeams final : public SongStarter,
                         public BrowserNavigation,
                         public FileOpener,
                         public PathBox,
                         public PassCountChoice,
                         public PlaylistAccess,
                         public Transport,
                         public WindowCaption,
                         public StatusLine,
                         public LifecycleWindow {
public:
    QString folder;
    QStringList selected;
    QStringList entries;

    void SongStarted(const QString&) override {}
    bool ChangeDirPath(const QString&, bool) override { return true; }
    void refresh() override {}
    QString currentFolder() const override { return folder; }
    QStringList fileNames() const override {
        return folder.isEmpty() ? QStringList() : QDir(folder).entryList(QDir::Files, QDir::Name);
    }
    QStringList filePathsWithExtensions(const QStringList&) const override { return {}; }
    QStringList selectedFilePaths() const override { return selected; }
    QString currentFilePath() const override { return {}; }
    void openByType(const QString&) override {}
    QString text() const override { return pathBox_; }
    void setText(const QString& text) override { pathBox_ = text; }
    void mnuOptComboList0_Click(int) override {}
    bool PLLoadFile(const QString&, bool) override { return false; }
    bool PLSaveFile(const QString&) override { return false; }
    void Start(int) override {}
    void Stop() override {}
    bool isPlaying() const override { return false; }
    void next() override {}
    void previous() override {}
    int count() const override { return static_cast<int>(entries.size()); }
    QString entryPath(int index) const override { return entries.value(index); }
    QStringList lines() const override {
        QStringList names;
        for (const QString& path : entries) names << QFileInfo(path).fileName();
        return names;
    }
    void addPaths(const QStringList&) override {}
    void mnuRefresh(int) override {}
    void PLRefreshItems(bool, const QString&, bool) override {}
    void play() override {}
    void pause() override {}
    void stop() override {}
    void seekTo(qint32) override {}
    void setSpeed(int) override {}
    int speed() override { return 1000; }
    void setVolume(int) override {}
    int volume() const override { return 1000; }
    Mode mode() override { return NoSong; }
    qint32 positionMs() override { return 0; }
    qint32 lengthMs() const override { return 0; }
    QString songPath() const override { return {}; }
    void addListener(TransportListener*) override {}
    void removeListener(TransportListener*) override {}
    QString caption() const override { return {}; }
    void setCaption(const QString&) override {}
    void setStatus(const QString&) override {}
    QString status() const override { return {}; }
    void maximize() override {}
    void minimize() override {}
    bool isMinimized() const override { return false; }
    QSize size() const override { return {}; }
    void setWelcomeLine(const QString&) override {}
    void makeTopMost() override {}
    void showOptionChecker() override {}
    void closeOptionChecker() override {}
    void endProgram() override {}
    InfoArea& info() { return info_; }

    Playlist::Seams forPlaylist() { return {*this, *this, *this, *this, info_, *this, clipboard_}; }

private:
    // Keeps what it is given, for the whole run only.
    struct QuietClipboard final : Clipboard {
        void clear() override { text_.clear(); }
        void setText(const QString& text) override { text_ = text; }
        QString text() const override { return text_; }
        QString text_;
    };

    QString pathBox_;
    QuietClipboard clipboard_;
    NullInfoArea info_;
};
