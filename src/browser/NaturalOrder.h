#pragma once

#include <QString>
#include <QStringList>

// Sorts names as a file manager does: without regard to case and with runs
// of digits compared by their value ("Track 2" before "Track 10"). The
// order is the same on every system, whatever the locale.
class NaturalOrder {
public:
    static void sort(QStringList& names);
    // A text whose plain comparison gives the natural order of the names.
    static QString sortKey(const QString& name);
};
