#include "browser/SystemDriveSource.h"

#include <QFileInfo>
#include <QHash>
#include <QStorageInfo>

#include <algorithm>

#include "browser/NaturalOrder.h"

namespace {

const QStringList& pseudoFileSystems() {
    static const QStringList types{
        QStringLiteral("proc"),      QStringLiteral("sysfs"),      QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),    QStringLiteral("tmpfs"),      QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),   QStringLiteral("securityfs"), QStringLiteral("pstore"),
        QStringLiteral("bpf"),       QStringLiteral("debugfs"),    QStringLiteral("tracefs"),
        QStringLiteral("mqueue"),    QStringLiteral("hugetlbfs"),  QStringLiteral("configfs"),
        QStringLiteral("fusectl"),   QStringLiteral("autofs"),     QStringLiteral("binfmt_misc"),
        QStringLiteral("nsfs"),      QStringLiteral("efivarfs"),   QStringLiteral("ramfs"),
        QStringLiteral("rpc_pipefs"), QStringLiteral("nfsd"),      QStringLiteral("squashfs"),
        QStringLiteral("overlay"),   QStringLiteral("fuse.portal"), QStringLiteral("fuse.gvfsd-fuse"),
    };
    return types;
}

const QStringList& systemFolders() {
    static const QStringList folders{QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"),
                                     QStringLiteral("/run"),  QStringLiteral("/snap"), QStringLiteral("/boot"),
                                     QStringLiteral("/var/lib"), QStringLiteral("/etc")};
    return folders;
}

bool under(const QString& root, const QString& folder) {
    return root == folder || root.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

bool SystemDriveSource::isUserVolume(const QString& root, const QString& fileSystemType) {
    if (root == QStringLiteral("/")) return true;
    if (root.isEmpty() || pseudoFileSystems().contains(fileSystemType)) return false;
    // Removable media are mounted under /run/media by some desktops.
    if (under(root, QStringLiteral("/run/media"))) return true;
    return std::none_of(systemFolders().begin(), systemFolders().end(),
                        [&](const QString& folder) { return under(root, folder); });
}

QList<DriveEntry> SystemDriveSource::drives() const {
    QList<DriveEntry> list{{QStringLiteral("/"), {}}};
    QStringList roots;
    QHash<QString, QString> labels;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (root == QStringLiteral("/") || roots.contains(root)) continue;
        if (!isUserVolume(root, QString::fromLatin1(volume.fileSystemType()))) continue;
        // Containers bind single files (/etc/hosts) as mounts; only folders are drives.
        if (volume.isReady() && !QFileInfo(root).isDir()) continue;
        roots.append(root);
        labels.insert(root, volume.name());
    }
    NaturalOrder::sort(roots);
    for (const QString& root : roots) list.append({root, labels.value(root)});
    return list;
}
