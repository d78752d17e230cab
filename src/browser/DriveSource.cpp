#include "browser/DriveSource.h"

#include "common/PathText.h"

QString DriveEntry::displayText() const {
    if (label.isEmpty() || label == root) return root;
    return root + QStringLiteral("  [") + label + QStringLiteral("]");
}

QString DriveSource::driveRootOf(const QString& path, const QList<DriveEntry>& drives) {
    QString best(kPathSeparator);
    for (const DriveEntry& drive : drives) {
        const QString& root = drive.root;
        if (root.size() <= best.size()) continue;
        // "/media/usb" holds "/media/usb" and "/media/usb/x", not "/media/usb2".
        const bool holds = path == root || (path.startsWith(root) && (root.endsWith(kPathSeparator) ||
                                                                      path.at(root.size()) == kPathSeparator));
        if (holds) best = root;
    }
    return best;
}
