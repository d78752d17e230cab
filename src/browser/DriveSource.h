#pragma once

#include <QList>
#include <QString>

// One entry of the drive list: a mounted volume, named by its mount root.
struct DriveEntry {
    QString root;   // "/", "/media/usb"
    QString label;  // volume name; may be empty

    // What the drive list shows: the root, and the label when it adds something.
    QString displayText() const;
};

// Where the drive list comes from: the system's mounted volumes in the
// program, a fixed list in tests.
class DriveSource {
public:
    virtual ~DriveSource() = default;
    // The drives, the root "/" first.
    virtual QList<DriveEntry> drives() const = 0;

    // The drive a path lies on: the deepest mount root that holds it, or "/"
    // when none does.
    static QString driveRootOf(const QString& path, const QList<DriveEntry>& drives);
};
