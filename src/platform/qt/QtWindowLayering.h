#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/Translucency.h"

// Translucency of a top-level Qt window through its window opacity.
class QtWindowLayering final : public WindowLayering {
public:
    explicit QtWindowLayering(QWidget* window) : window_(window) {}
    bool setLayeredAlpha(quint8 alpha) override;
    bool clearLayered() override;

private:
    QPointer<QWidget> window_;
};
