#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>

#include "ui/AppearanceWindow.h"

class QWidget;

// AppearanceWindow for the real main window: stay-on-top through the
// window's flags, the background picture painted on the canvas under the
// controls, and the list colours given to the lists by their control names.
class MainWindowLook final : public QObject, public AppearanceWindow {
public:
    MainWindowLook(QWidget* window, QWidget* canvas);

    bool isMaximized() const override;
    void setTopMost(bool on) override;
    bool showBackgroundPicture(const QString& path) override;
    void setListColours(const ListColours& colours) override;

    const QPixmap& backgroundPicture() const { return picture_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> canvas_;
    QPixmap picture_;
};
