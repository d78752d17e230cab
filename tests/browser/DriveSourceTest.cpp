#include <gtest/gtest.h>

#include "browser/DriveSource.h"
#include "browser/SystemDriveSource.h"

namespace {

using namespace Qt::StringLiterals;

TEST(DriveSourceTest, DriveOfAPathIsTheDeepestMountRootHoldingIt) {
    const QList<DriveEntry> drives{{u"/"_s, {}}, {u"/media/usb"_s, u"STICK"_s}, {u"/media/usb/inner"_s, {}},
                                   {u"/home"_s, {}}};
    const struct { const char *path, *root; } cases[] = {
        {"/", "/"}, {"/etc", "/"}, {"/media/usb", "/media/usb"}, {"/media/usb/Music", "/media/usb"},
        {"/home/user", "/home"}, {"", "/"}, {"/media/usb/inner/x", "/media/usb/inner"},
        {"/media/usb2/Music", "/"},  // a longer name is not inside
    };
    for (const auto& c : cases)
        EXPECT_EQ(DriveSource::driveRootOf(QString::fromUtf8(c.path), drives), QString::fromUtf8(c.root)) << c.path;
}

TEST(SystemDriveSourceTest, OnlyVolumesAUserBrowsesAndTheRootFirst) {
    const struct { const char *root, *type; bool listed; } cases[] = {
        {"/", "overlay", true}, {"/home", "ext4", true}, {"/media/usb", "vfat", true}, {"/mnt/share", "cifs", true},
        {"/run/media/u/DISC", "iso9660", true}, {"/proc", "proc", false}, {"/sys/fs/cgroup", "cgroup2", false},
        {"/dev/shm", "tmpfs", false}, {"/run/user/1000", "tmpfs", false}, {"/run/lock", "ext4", false},
        {"/snap/core/1", "squashfs", false}, {"/boot/efi", "vfat", false}, {"/etc/hosts", "ext4", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SystemDriveSource::isUserVolume(QString::fromUtf8(c.root), QString::fromUtf8(c.type)), c.listed)
            << c.root << " (" << c.type << ")";
    const QList<DriveEntry> drives = SystemDriveSource().drives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.first().root, u"/"_s);
    EXPECT_EQ(std::count_if(drives.begin(), drives.end(), [](const DriveEntry& d) { return d.root == u"/"_s; }), 1);
}

}  // namespace
