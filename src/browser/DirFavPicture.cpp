#include "browser/DirFavPicture.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMenu>
#include <QStyle>

DirFavPicture::DirFavPicture(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setPixmap(style()->standardIcon(QStyle::SP_DirLinkIcon).pixmap(16, 16));
}

void DirFavPicture::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    // An empty menu would pop up as a bare frame.
    if (menu_ && !menu_->isEmpty()) menu_->popup(QCursor::pos());
}
