#include "id3/TagText.h"

#include "common/CodePage.h"
#include "platform/Dialogs.h"

qint16 cp950CharCode(const QString& character) {
    const QByteArray bytes = CodePage::toCp950Lossy(character);
    if (bytes.size() == 1) return static_cast<qint16>(static_cast<quint8>(bytes.at(0)));
    if (bytes.size() == 2) {
        const quint16 code =
            static_cast<quint16>((static_cast<quint8>(bytes.at(0)) << 8) | static_cast<quint8>(bytes.at(1)));
        return static_cast<qint16>(code);
    }
    // Nothing the code page can say: it is written as its replacement.
    return static_cast<qint16>('?');
}

int bytesOfCharCode(qint16 code) {
    const auto bits = static_cast<quint16>(code);
    if (bits <= 0xFF) return 1;
    if (bits >= 0x1000) return 2;
    return 0;
}

qint16 CheckInvalidChars(Dialogs& dialogs, const QString& text) {
    // Counted per code point, so a character outside the basic plane is one
    // replaced character and not two.
    qint32 total = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString character = text.mid(i, width);
        i += width;
        const int bytes = bytesOfCharCode(cp950CharCode(character));
        if (bytes == 0) {
            dialogs.messageBox(QStringLiteral("注意: 字串內含有不正確的字元, 請手動刪除該字元 [") + character +
                                   QStringLiteral("]"),
                               MsgButtons::Ok, MsgIcon::None);
            continue;
        }
        total += bytes;
    }
    // Texts longer than a tag field by far are refused by the callers; the
    // count stays in range by saturating rather than wrapping.
    return static_cast<qint16>(qMin<qint32>(total, 32767));
}

QString BytesToText(const QByteArray& bytes) {
    // CR and LF are never part of a two-byte character, so cutting the
    // bytes before decoding cannot split one.
    qsizetype end = 0;
    while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n') ++end;
    return CodePage::fromCp950(bytes.left(end));
}

QString PadWithNulls(QString& text, int count) {
    if (count > 0) text.append(QString(count, QChar(0)));
    return text;
}
