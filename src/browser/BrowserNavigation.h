#pragma once

#include <QString>
#include <QStringList>

// The file browser as other parts drive and read it: the options show the
// start folder, the playlist refreshes it, adds its files and shows the
// backups' folder, the remote lists its files.
class BrowserNavigation {
public:
    virtual ~BrowserNavigation() = default;
    // Shows `path` in the browser (isDir1) or in the destination pair of
    // move and copy. False, with nothing changed, when the folder cannot be
    // shown; the caller reports it.
    virtual bool ChangeDirPath(const QString& path, bool isDir1) = 0;
    // Re-reads drives, folders and files from disk.
    virtual void refresh() = 0;
    // The folder the file list shows.
    virtual QString currentFolder() const = 0;
    // The names the file list shows, in list order.
    virtual QStringList fileNames() const = 0;
    // Full paths of the shown files whose lower-case extension is one of
    // `extensions`, in list order.
    virtual QStringList filePathsWithExtensions(const QStringList& extensions) const = 0;
    // Full paths of the selected files, in list order.
    virtual QStringList selectedFilePaths() const = 0;
    // Full path of the file list's current file; empty when there is none.
    virtual QString currentFilePath() const = 0;
};
