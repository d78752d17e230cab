#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Failure messages show texts as text rather than as UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i) *os << (i ? ", \"" : "\"") << list.at(i).toStdString() << '"';
    *os << '}';
}
