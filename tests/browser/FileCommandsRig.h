#pragma once

// The browser over a generated tree, with the file commands' parts on top:
//   src/   a.mp3 b.mp3 c.mp3 (each holding its own name)
//   dest/  (empty)
// `fake` mirrors the tree in memory for the tests that inject failures;
// `disk` changes the real files.
#include <QDir>

#include "BrowserRig.h"
#include "browser/DirFavShortcuts.h"
#include "browser/FileCommands.h"
#include "browser/MoveCopyController.h"
#include "platform/qt/QtFileOperations.h"
#include "support/FakeFileOperations.h"
#include "support/FakeLauncher.h"

struct FileCommandsRig : BrowserRig {
    explicit FileCommandsRig(bool onDisk = true) : files(onDisk ? static_cast<FileOperations&>(disk) : fake) {
        for (const char* name : {"a.mp3", "b.mp3", "c.mp3"})
            dir.writeFile(QStringLiteral("src/") + QLatin1String(name), QByteArray(name));
        dir.makeDir(QStringLiteral("dest"));
        for (const QString& folder : {dir.path(), src, dest}) fake.addFolder(folder);
        fake.addFiles(src + u'/', {QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("c.mp3")});
        navigator.ChangeDirPath(src, true);
    }
    QString inSrc(const QString& name) const { return src + u'/' + name; }
    QString inDest(const QString& name) const { return dest + u'/' + name; }
    QStringList onDisk(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // Selects rows of the file list (a.mp3 is row 0).
    void select(const QList<int>& rows) { navigator.setFileSelection(rows, rows.isEmpty() ? -1 : rows.first()); }
    void selectAll() { navigator.mnuFileSelect_Click(0); }
    // Opens the panel for `kind` (0 move, 1 copy) with Dir2 at `destination`.
    void openPanel(int kind, const QString& destination) {
        moveCopy.mnuFileCopy_Click(kind);
        navigator.ChangeDirPath(destination, false);
    }

    QString src = dir.path(QStringLiteral("src"));
    QString dest = dir.path(QStringLiteral("dest"));
    QtFileOperations disk;
    FakeFileOperations fake;
    FileOperations& files;
    FakeLauncher launcher;
    MoveCopyController moveCopy{navigator, status, dialogs, files};
    FileCommands commands{state, status, dialogs, files, launcher, {navigator, moveCopy, opener, pathBox}};
    DirFavShortcuts shortcuts{navigator, moveCopy, status, dialogs, clipboard, files};
};
