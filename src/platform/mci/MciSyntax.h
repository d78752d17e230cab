#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How one media command is written: its verb, what stands after the verb,
// and the keywords that may follow in any order. A keyword may be several
// words ("time format", "to start"); the parser matches the longest one.
enum class MciValueKind {
    Flag,     // the keyword alone
    Integer,  // the keyword and a whole number
    Word,     // the keyword and one word (quoted words may hold blanks)
};

struct MciKeyword {
    QString words;  // lower case, single blanks: "time format"
    MciValueKind value = MciValueKind::Flag;
};

enum class MciTarget {
    Device,       // an open device's name
    DeviceOrAll,  // a device, or "all" for every open device
    Element,      // a file to open (its path is also the default device name)
};

struct MciSyntax {
    QString verb;  // lower case
    MciTarget target = MciTarget::Device;
    QList<MciKeyword> keywords;
};
