#pragma once

#include <QString>

// The main window's caption, which song start sets and the transport
// scrolls.
class WindowCaption {
public:
    virtual ~WindowCaption() = default;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString& text) = 0;
};
