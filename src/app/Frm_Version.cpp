#include "app/Frm_Version.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

#include "app/AppState.h"
#include "common/Twips.h"
#include "platform/Clipboard.h"
#include "ui/widgets/AccessibleNames.h"

namespace {

constexpr int kIconTwips = 720;
constexpr int kMarginTwips = 240;

QIcon iconOf(const QWidget* mainWindow) {
    if (mainWindow && !mainWindow->windowIcon().isNull()) return mainWindow->windowIcon();
    if (!QApplication::windowIcon().isNull()) return QApplication::windowIcon();
    return QApplication::style()->standardIcon(QStyle::SP_MediaVolume);
}

}  // namespace

QString Frm_Version::versionText(const AppState& state) {
    return state.VersionB + state.VersionT + QStringLiteral("\r\n") +
           QStringLiteral("Last Update: 06/06/2004 13:30") + QStringLiteral("\r\n") +
           QStringLiteral("Ram Usage: 5200KB(Maximized), 3072KB(Minimized)");
}

Frm_Version::Frm_Version(const AppState& state, Clipboard& clipboard, QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Dialog), clipboard_(clipboard), text_(versionText(state)) {
    setObjectName(QStringLiteral("Frm_Version"));
    setWindowTitle(QStringLiteral("版本資訊"));
    const QIcon icon = iconOf(mainWindow);
    setWindowIcon(icon);

    imgIcon_ = new QLabel(this);
    imgIcon_->setObjectName(QStringLiteral("imgIcon"));
    const int iconPx = Twips::toPx(kIconTwips);
    QPixmap picture = icon.pixmap(iconPx, iconPx);
    // Small stock icons come only at 16 pixels; the box shows the icon large.
    if (picture.width() < iconPx / 2)
        picture = picture.scaled(iconPx * 2 / 3, iconPx * 2 / 3, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgIcon_->setPixmap(picture);
    imgIcon_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    AccessibleNames::setPictureTip(imgIcon_, QStringLiteral("複製至剪貼簿"));
    imgIcon_->setCursor(Qt::PointingHandCursor);

    lblVersion_ = new QLabel(this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    // The label breaks lines at LF; the copied text keeps CR LF.
    lblVersion_->setText(QString(text_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    lblVersion_->setTextFormat(Qt::PlainText);
    AccessibleNames::nameLabel(lblVersion_, windowTitle());

    auto* layout = new QHBoxLayout(this);
    const int marginPx = Twips::toPx(kMarginTwips);
    layout->setContentsMargins(marginPx, marginPx, marginPx * 2, marginPx);
    layout->setSpacing(marginPx);
    layout->addWidget(imgIcon_);
    layout->addWidget(lblVersion_, 1);
    imgIcon_->installEventFilter(this);
    lblVersion_->installEventFilter(this);
    setFixedSize(sizeHint());
}

bool Frm_Version::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == lblVersion_) {
            lblVersion_Click();
            return true;
        }
        if (watched == imgIcon_) {
            imgIcon_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Frm_Version::lblVersion_Click() { close(); }

void Frm_Version::imgIcon_Click() {
    clipboard_.clear();
    clipboard_.setText(text_);
}
