#pragma once

#include <QSize>

class Screen {
public:
    virtual ~Screen() = default;
    // The desktop's size in pixels (the primary screen).
    virtual QSize desktopSize() const = 0;
};
