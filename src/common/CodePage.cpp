#include "common/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char kCodePageName[] = "windows-950";
const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

// Length of the UTF-8 sequence that starts with `lead`, 0 when no sequence
// starts with it; `low`/`high` bound the byte after it (no overlong forms,
// surrogates or values past U+10FFFF).
int utf8SequenceLength(unsigned char lead, unsigned char& low, unsigned char& high) {
    low = 0x80;
    high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
        return 4;
    }
    return 0;
}

}  // namespace

namespace CodePage {

const char* name() { return kCodePageName; }

const QByteArray& utf8Bom() { return kUtf8Bom; }

bool isStrictUtf8(const QByteArray& bytes, bool complete, bool* hasMultiByte) {
    if (hasMultiByte) *hasMultiByte = false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        unsigned char low = 0, high = 0;
        const int length = utf8SequenceLength(p[i], low, high);
        if (length == 0) return false;
        for (int k = 1; k < length; ++k) {
            if (i + k == n) return !complete;
            const unsigned char c = p[i + k];
            if (k == 1 ? (c < low || c > high) : (c & 0xC0) != 0x80) return false;
        }
        if (hasMultiByte) *hasMultiByte = true;
        i += length;
    }
    return true;
}

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
    if (isStrictUtf8(bytes, true, &hasMultiByte) && hasMultiByte) return QString::fromUtf8(bytes);
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
