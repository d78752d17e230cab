#pragma once

#include <QStringList>

#include <initializer_list>
#include <utility>

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
    QString root() const { return root_; }
    QString optionFile() const { return root_ + QStringLiteral("/Option.ini"); }
    // Writes the option file as raw lines, each ended by CR LF.
    void writeOptions(const QStringList& lines) const {
        temp_.writeFile(QStringLiteral("Corvane Player/Option.ini"), lines.join(u"\r\n").toUtf8() + "\r\n");
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

// A complete, valid option file with every value away from its default,
// with the chosen lines (numbered from 1) replaced.
inline QStringList sampleOptionLines(std::initializer_list<std::pair<int, const char*>> changes = {}) {
    QStringList lines{"#TRUE#", "#FALSE#", "#FALSE#", "#TRUE#", "#FALSE#", "#TRUE#", "#TRUE#", "6", "2", "5",
                      QStringLiteral("\"/music/古典\""), "\"1|/pics/bg.jpg\"", "#TRUE#", "#FALSE#"};
    for (const auto& [line, text] : changes) lines[line - 1] = QString::fromUtf8(text);
    return lines;
}
