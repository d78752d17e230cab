#pragma once

#include "browser/DriveSource.h"

// The mounted volumes a user browses: the root file system and the disks,
// sticks and shares mounted beside it, without the kernel's and the
// system's own mounts (/proc, /sys, /run, tmpfs and the like).
class SystemDriveSource final : public DriveSource {
public:
    QList<DriveEntry> drives() const override;

    // Whether a mount belongs in the drive list.
    static bool isUserVolume(const QString& root, const QString& fileSystemType);
};
