#pragma once

#include <QObject>
#include <QString>

// The texts of the two playlist detail labels: lblPLDetails(0), the
// information line the scheduler rewrites every second, and lblPLDetails(1),
// the playlist's name with its total length and the path as tooltip.
class PlaylistLabels : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QString infoCaption() const { return info_; }
    QString nameCaption() const { return name_; }
    QString nameToolTip() const { return toolTip_; }

    void setInfoCaption(const QString& text);

    // PLShowDetails: "PlayList 名稱: " + the file's name (empty when the
    // file is gone, "未命名" for no path), with "  [extra]" when extra is
    // given; the tooltip shows the full path.
    void PLShowDetails(const QString& path, const QString& extra);

signals:
    void infoChanged(const QString& caption);
    void nameChanged(const QString& caption, const QString& toolTip);

private:
    QString info_;
    QString name_;
    QString toolTip_;
};
