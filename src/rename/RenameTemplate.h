#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The template boxes of the batch renamer, as typed: the template with its
// running number "#" and running character "@", the number range with its
// minimum length, and the character range with the two characters shown.
struct TemplateBoxes {
    QString templateText;
    QString firstNumber = QStringLiteral("1");
    QString lastNumber;
    QString length;
    QString firstCode;
    QString lastCode;
    QString codeRange;
};

// A number box read as a whole number: the leading number of the text,
// rounded, 0 when there is none; std::nullopt when it does not fit.
std::optional<qint64> wholeNumberOf(const QString& text);

// The minimum length for `count` files: the count's number of digits.
int defaultLength(qsizetype count);

// The last number of the range, first + count - 1; empty when the first
// number cannot be read.
QString lastNumberText(const QString& firstNumber, qsizetype count);

// The two characters of the codes joined by "-", std::nullopt when a code
// is not a character of the 7-bit range the names take (an empty box is 0,
// which shows as nothing).
std::optional<QString> codeRangeText(const QString& firstCode, const QString& lastCode);

// The `count` names of the template: every "#" the running number padded
// with zeros to the minimum length, every "@" the running character when
// the character range is usable (otherwise "@" stays). Empty when count
// is 0 or the first number cannot be read.
QStringList previewNames(const TemplateBoxes& boxes, qsizetype count);
