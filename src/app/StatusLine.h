#pragma once

#include <QString>

// The main window's one-line status box (txtState): where commands report
// their short results.
class StatusLine {
public:
    virtual ~StatusLine() = default;
    virtual void setStatus(const QString& text) = 0;
    virtual QString status() const = 0;
};
