#pragma once

#include <QDebug>

// For the stand-ins of parts of the program that are not built yet: the
// first call says on the log which step was skipped; later calls are quiet.
class NotBuiltYet {
public:
    explicit NotBuiltYet(const char* part) : part_(part) {}
    void skipped(const char* step) const {
        if (logged_) return;
        logged_ = true;
        qInfo().noquote() << QStringLiteral("not built yet (%1): skipped %2").arg(QLatin1String(part_), QLatin1String(step));
    }
    bool logged() const { return logged_; }

private:
    const char* part_;
    mutable bool logged_ = false;
};
