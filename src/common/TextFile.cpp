#include "common/TextFile.h"

#include <QFile>
#include <QSaveFile>

#include "common/CodePage.h"

namespace TextFile {

ReadResult read(const QString& path) {
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.text = CodePage::decodeFile(bytes);
    result.ok = true;
    return result;
}

bool readLines(const QString& path, QStringList& lines, QString* error) {
    const ReadResult result = read(path);
    if (!result.ok) {
        if (error) *error = result.error;
        return false;
    }
    lines = CodePage::splitLines(result.text);
    return true;
}

bool write(const QString& path, const QString& text, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    const QByteArray bytes = CodePage::encodeForFile(text);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return write(path, text, error);
}

}  // namespace TextFile
