#include "common/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char kCodePageName[] = "windows-950";
const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

// Strict UTF-8 check; also tells whether any multi-byte sequence occurs.
bool isValidUtf8(const QByteArray& bytes, bool& hasMultiByte) {
    hasMultiByte = false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        int follow = 0;
        unsigned int codePoint = 0;
        if (c < 0x80) { ++i; continue; }
        if (c >= 0xC2 && c <= 0xDF) { follow = 1; codePoint = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { follow = 2; codePoint = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { follow = 3; codePoint = c & 0x07; }
        else return false;
        if (i + follow >= n) return false;  // truncated sequence
        for (int k = 1; k <= follow; ++k) {
            const unsigned char cc = p[i + k];
            if ((cc & 0xC0) != 0x80) return false;
            codePoint = (codePoint << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((follow == 2 && codePoint < 0x800) || (follow == 3 && codePoint < 0x10000) ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
            return false;
        hasMultiByte = true;
        i += follow + 1;
    }
    return true;
}

}  // namespace

namespace CodePage {

bool fitsCp950(const QString& text) {
    QStringEncoder encoder(kCodePageName);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return false;
    QStringDecoder decoder(kCodePageName);
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back == text;
}

QByteArray toCp950Lossy(const QString& text) {
    QStringEncoder encoder(kCodePageName);
    return encoder.encode(text);
}

QString fromCp950(const QByteArray& bytes) {
    QStringDecoder decoder(kCodePageName);
    return decoder.decode(bytes);
}

QByteArray encodeForFile(const QString& text) {
    if (fitsCp950(text)) return toCp950Lossy(text);
    return kUtf8Bom + text.toUtf8();
}

QString decodeFile(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf8Bom)) return QString::fromUtf8(bytes.mid(kUtf8Bom.size()));
    bool hasMultiByte = false;
    if (isValidUtf8(bytes, hasMultiByte) && hasMultiByte) return QString::fromUtf8(bytes);
    return fromCp950(bytes);
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

}  // namespace CodePage
