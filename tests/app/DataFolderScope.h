#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

#include "support/QStringPrinter.h"
#include "common/TextFile.h"
#include "support/TempDir.h"

// A data folder of the test's own: CORVANE_DATA_DIR points into a fresh
// temporary folder for the scope's life and is restored afterwards. The
// folder itself exists only when asked for, so first starts can be tested.
class DataFolderScope {
public:
    explicit DataFolderScope(bool create = true)
        : previous_(qgetenv("CORVANE_DATA_DIR")), root_(temp_.path(QStringLiteral("Corvane Player"))) {
        if (create) temp_.makeDir(QStringLiteral("Corvane Player"));
        qputenv("CORVANE_DATA_DIR", root_.toLocal8Bit());
    }
    ~DataFolderScope() { qputenv("CORVANE_DATA_DIR", previous_); }
    DataFolderScope(const DataFolderScope&) = delete;
    DataFolderScope& operator=(const DataFolderScope&) = delete;

    QString root() const { return root_; }
    QString optionFile() const { return root_ + QStringLiteral("/Option.ini"); }

    // Writes the option file as raw lines, each ended by CR LF.
    void writeOptions(const QStringList& lines) const {
        QByteArray bytes;
        for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
        temp_.writeFile(QStringLiteral("Corvane Player/Option.ini"), bytes);
    }
    QStringList optionLines() const {
        QStringList lines;
        TextFile::readLines(optionFile(), lines);
        return lines;
    }

private:
    QByteArray previous_;
    TempDir temp_;
    QString root_;
};

// A complete, valid option file with every value away from its default.
inline QStringList sampleOptionLines() {
    return {QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#"), QStringLiteral("#FALSE#"), QStringLiteral("#TRUE#"),
            QStringLiteral("#FALSE#"), QStringLiteral("#TRUE#"), QStringLiteral("#TRUE#"), QStringLiteral("6"),
            QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("\"/music/古典\""),
            QStringLiteral("\"1|/pics/bg.jpg\""), QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#")};
}

// The sample file with some of its lines (numbered from 1) replaced.
inline QStringList sampleOptionLines(std::initializer_list<std::pair<int, const char*>> changes) {
    QStringList lines = sampleOptionLines();
    for (const auto& [line, text] : changes) lines[line - 1] = QString::fromUtf8(text);
    return lines;
}
