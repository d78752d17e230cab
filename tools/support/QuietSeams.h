#pragma once

#include <QString>
#include <QStringList>

#include "app/PassCountChoice.h"
#include "app/PathBox.h"
#include "app/SongStarter.h"
#include "browser/BrowserNavigation.h"
#include "browser/FileOpener.h"
#include "browser/InfoArea.h"
#include "platform/Clipboard.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistAccess.h"

// The other parts of the player as a benchmark or a screenshot of one panel
// needs them: present, and doing nothing.
class QuietSeams final : public SongStarter,
                         public BrowserNavigation,
                         public FileOpener,
                         public PathBox,
                         public PassCountChoice,
                         public PlaylistAccess {
public:
    void SongStarted(const QString&) override {}
    bool ChangeDirPath(const QString&, bool) override { return true; }
    void refresh() override {}
    QString currentFolder() const override { return {}; }
    QStringList fileNames() const override { return {}; }
    QStringList filePathsWithExtensions(const QStringList&) const override { return {}; }
    QStringList selectedFilePaths() const override { return {}; }
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
    int count() const override { return 0; }
    QString entryPath(int) const override { return {}; }
    QStringList lines() const override { return {}; }
    void addPaths(const QStringList&) override {}
    void mnuRefresh(int) override {}
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
