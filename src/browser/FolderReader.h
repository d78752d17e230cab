#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class FilePattern;

// Reads what the browser lists from disk. Names that begin with "." are
// hidden, as in a file manager's default view; they can still be reached
// by typing their path. Every answer is sorted in natural order.
class FolderReader {
public:
    // Whether `folder` is a folder this user can list and enter.
    static bool canShow(const QString& folder);
    // Subfolder names, or nothing when the folder cannot be listed.
    static std::optional<QStringList> subfolders(const QString& folder);
    // Names of the files matching `pattern`, or nothing when the folder
    // cannot be listed.
    static std::optional<QStringList> files(const QString& folder, const FilePattern& pattern);
};
