#include "playlist/PlaylistLabels.h"

#include <QFileInfo>

void PlaylistLabels::setInfoCaption(const QString& text) {
    if (text == info_) return;
    info_ = text;
    emit infoChanged(info_);
}

void PlaylistLabels::PLShowDetails(const QString& path, const QString& extra) {
    QString name;
    if (path.isEmpty()) {
        name = QStringLiteral("未命名");
    } else {
        const QFileInfo info(path);
        if (info.exists() && !info.isDir()) name = info.fileName();
    }
    name_ = QStringLiteral("PlayList 名稱: ") + name;
    if (!extra.isEmpty()) name_ += QStringLiteral("  [") + extra + u']';
    toolTip_ = QStringLiteral("PlayList 路徑 (") + path + u')';
    emit nameChanged(name_, toolTip_);
}
