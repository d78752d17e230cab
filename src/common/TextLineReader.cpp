#include "common/TextLineReader.h"

#include <algorithm>

namespace {

constexpr char kCodePageName[] = "windows-950";
const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

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

// Strict UTF-8. `complete`: the bytes end where the file ends, so a sequence
// cut off at their end is an error too; otherwise it may go on past them.
// (Qt's decoder does not report every invalid byte, so this checks itself.)
bool isUtf8(const QByteArray& bytes, bool complete) {
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
        i += length;
    }
    return true;
}

// Code page 950 through Qt's (ICU) decoder, which reports invalid sequences.
bool isCodePage950(const QByteArray& bytes, bool complete) {
    using Flag = QStringConverter::Flag;
    QStringDecoder decoder(kCodePageName, complete ? Flag::Stateless : Flag::Default);
    // decode() is lazy: the conversion runs when its result becomes a QString.
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

}  // namespace

TextLineReader::TextLineReader(const QString& path, Encoding encoding)
    : file_(path), codePage_(kCodePageName, QStringConverter::Flag::Stateless), utf8Only_(encoding == Encoding::Utf8) {
    if (!file_.open(QIODevice::ReadOnly)) {
        ioError_ = file_.errorString();
        fail(Failure::Unreadable);
        return;
    }
    if (fill()) checkHead(encoding);
}

bool TextLineReader::checkHead(Encoding encoding) {
    const QByteArray head = buffer_.left(kCheckedBytes);
    if (head.contains('\0')) return fail(Failure::NulByte);
    const bool bom = head.startsWith(kUtf8Bom);
    if (bom) pos_ = kUtf8Bom.size();
    if (bom || encoding == Encoding::Utf8 || !isAscii(head)) {
        if (isUtf8(head.mid(pos_), atEof_))
            decoding_ = Decoding::Utf8;
        else if (!bom && encoding == Encoding::CodePageRules && isCodePage950(head, atEof_))
            decoding_ = Decoding::CodePage;
        else
            return fail(Failure::NotText);
    }
    return true;
}

// Reads the next block of the file behind what is still unread.
bool TextLineReader::fill() {
    buffer_.remove(0, pos_);
    pos_ = 0;
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + kCheckedBytes);
    const qint64 got = file_.read(buffer_.data() + kept, kCheckedBytes);
    buffer_.resize(kept + std::max<qint64>(got, 0));
    if (got < 0) {
        ioError_ = file_.errorString();
        return fail(Failure::Unreadable);
    }
    atEof_ = got == 0 || file_.atEnd();
    return true;
}

bool TextLineReader::readLine(QString& line) {
    QByteArray bytes;
    if (failure_ != Failure::None || !nextLineBytes(bytes)) return false;
    line = decode(bytes);
    return true;
}

bool TextLineReader::nextLineBytes(QByteArray& bytes) {
    for (;;) {
        const auto begin = buffer_.cbegin() + pos_;
        const auto end = std::find_if(begin, buffer_.cend(), [](char c) { return c == '\r' || c == '\n'; });
        // A CR at the end of the block may be the first half of a CR LF.
        const bool complete = end != buffer_.cend() && (*end == '\n' || end + 1 != buffer_.cend() || atEof_);
        if (end - begin > kMaxLineBytes) return fail(Failure::LineTooLong);
        if (complete || (atEof_ && begin != end)) {
            bytes = QByteArray(begin, end - begin);
            pos_ = end - buffer_.cbegin();
            if (complete) pos_ += (*end == '\r' && end + 1 != buffer_.cend() && end[1] == '\n') ? 2 : 1;
            ++lineNumber_;
            return true;
        }
        if (atEof_ || !fill()) return false;
    }
}

QString TextLineReader::decode(const QByteArray& bytes) {
    switch (decoding_) {
    case Decoding::Utf8:
        return QString::fromUtf8(bytes);
    case Decoding::CodePage:
        return codePage_.decode(bytes);
    case Decoding::Undecided:
        break;
    }
    if (isAscii(bytes)) return QString::fromLatin1(bytes);
    // The first line that is not plain ASCII decides for the whole file.
    decoding_ = isUtf8(bytes, true) ? Decoding::Utf8 : Decoding::CodePage;
    return decode(bytes);
}

bool TextLineReader::fail(Failure failure) {
    failure_ = failure;
    return false;
}

QString TextLineReader::failureText() const {
    switch (failure_) {
    case Failure::None:
        return {};
    case Failure::Unreadable:
        return ioError_;
    case Failure::NulByte:
        return QStringLiteral("檔案開頭 64 KiB 內有 NUL 位元組, 不是文字檔!");
    case Failure::NotText:
        return utf8Only_ ? QStringLiteral("檔案開頭 64 KiB 內不是 UTF-8 文字!")
                         : QStringLiteral("檔案開頭 64 KiB 內不是 CP950 (Big5) 或 UTF-8 文字!");
    case Failure::LineTooLong:
        return QStringLiteral("檔案第 ") + QString::number(lineNumber_ + 1) + QStringLiteral(" 行超過 64 KiB!");
    }
    return {};
}
