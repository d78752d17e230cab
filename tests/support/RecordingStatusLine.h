#pragma once

#include <QStringList>

#include "app/StatusLine.h"

// A status line that keeps every text it was given, in order.
class RecordingStatusLine final : public StatusLine {
public:
    void setStatus(const QString& text) override { history.append(text); }
    QString status() const override { return history.isEmpty() ? QString() : history.last(); }
    QStringList history;
};
