#pragma once

#include <QString>

// The file system as the player changes it. Every step that can fail says
// so, and nothing overwrites by accident: a target that exists is a
// failure, except for replaceFile, whose whole point is to replace. Tests
// hand in a fake that can fail any chosen step, because a test running as
// root cannot be stopped by read-only folders.
class FileOperations {
public:
    virtual ~FileOperations() = default;
    // True when a file or folder of that path exists.
    virtual bool exists(const QString& path) const = 0;
    // A file (or a link to one), not a folder.
    virtual bool isFile(const QString& path) const = 0;
    virtual bool isFolder(const QString& path) const = 0;
    // Whether `name` can be the name of an entry of `folder` on its file
    // system (no separator, not "." or "..", not too long).
    virtual bool isValidFileName(const QString& folder, const QString& name) const = 0;
    // Renames `from` to `to`; false, with nothing changed, when `to` exists
    // or the file system refuses.
    virtual bool rename(const QString& from, const QString& to) = 0;
    // Puts the file `from` in the place of the file `to` in one step: the
    // old `to` stays whole until the new one takes its name. False when `to`
    // is a folder or the two lie on different file systems.
    virtual bool replaceFile(const QString& from, const QString& to) = 0;
    // Copies the file `from` to the new file `to`. False when `to` exists or
    // the copy fails; a failed copy may leave part of `to` behind, which the
    // caller removes.
    virtual bool copyFile(const QString& from, const QString& to) = 0;
    // Deletes a file for good.
    virtual bool removeFile(const QString& path) = 0;
    // Whether moveToTrash can take this file (the desktop trash exists for
    // its file system), asked before the user is asked about deleting it.
    virtual bool canMoveToTrash(const QString& path) const = 0;
    virtual bool moveToTrash(const QString& path) = 0;
    // Makes one new folder in an existing one; false when the name is taken.
    virtual bool makeFolder(const QString& path) = 0;
    // Removes an empty folder; false for a folder with anything in it.
    virtual bool removeFolder(const QString& path) = 0;
    // Two paths of one file on disk (the same path, a link, a hard link).
    virtual bool sameFile(const QString& a, const QString& b) const = 0;
    // Whether a rename can take `path` into `folder` (one file system).
    virtual bool sameFileSystem(const QString& path, const QString& folder) const = 0;
};
