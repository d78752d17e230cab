#pragma once

#include <QLabel>
#include <QMenu>
#include <QPointer>

// imgPopDirFav: the folder-shortcut picture. The pointer moving onto it pops
// the "移至(&M)" menu up where the pointer is.
class DirFavPicture final : public QLabel {
    Q_OBJECT
public:
    explicit DirFavPicture(QWidget* parent = nullptr);
    void setMenu(QMenu* menu) { menu_ = menu; }

protected:
    void enterEvent(QEnterEvent* event) override;

private:
    QPointer<QMenu> menu_;
};
