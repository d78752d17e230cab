#pragma once

#include <QString>
#include <QStringList>

// Whole-file text reading and writing through the code page rules of
// CodePage. Writes never leave a half-written file behind: they go to a
// temporary file that replaces the old one only when complete.
namespace TextFile {

struct ReadResult {
    bool ok = false;
    QString text;
    QString error;  // what went wrong, for a message; empty when ok
};

ReadResult read(const QString& path);
// Lines as CodePage::splitLines gives them; `ok` false when unreadable.
bool readLines(const QString& path, QStringList& lines, QString* error = nullptr);
// Writes `text` unchanged (no line ends added).
bool write(const QString& path, const QString& text, QString* error = nullptr);
// Writes every line followed by CR LF.
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);

}  // namespace TextFile
