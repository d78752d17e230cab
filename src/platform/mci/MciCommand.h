#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

// One parsed media command: the verb, the device (or file for "open"), and
// the keywords given with their values. Keys are the keywords' lower-case
// words ("from", "time format"); flags carry no value.
struct MciCommand {
    QString verb;
    QString target;
    bool all = false;  // the target was "all"

    struct Value {
        QString text;
        qint64 number = 0;  // for integer keywords
    };
    QHash<QString, Value> values;

    bool has(const QString& key) const { return values.contains(key); }
    QString text(const QString& key) const { return values.value(key).text; }
    qint64 number(const QString& key) const { return values.value(key).number; }
};

struct MciParseResult {
    quint32 code = 0;      // 0, or the error that stopped the parse
    int syntaxIndex = -1;  // which command of the table matched
    MciCommand command;
};
