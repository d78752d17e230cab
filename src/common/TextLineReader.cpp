#include "common/TextLineReader.h"

#include <algorithm>

#include "common/CodePage.h"

namespace {

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Code page 950 through Qt's (ICU) decoder, which reports invalid sequences.
bool isCodePage950(const QByteArray& bytes, bool complete) {
    using Flag = QStringConverter::Flag;
    QStringDecoder decoder(CodePage::name(), complete ? Flag::Stateless : Flag::Default);
    // decode() is lazy: the conversion runs when its result becomes a QString.
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

}  // namespace

TextLineReader::TextLineReader(const QString& path, Encoding encoding)
    : file_(path), codePage_(CodePage::name(), QStringConverter::Flag::Stateless), utf8Only_(encoding == Encoding::Utf8) {
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
    const bool bom = head.startsWith(CodePage::utf8Bom());
    if (bom) pos_ = CodePage::utf8Bom().size();
    if (bom || encoding == Encoding::Utf8 || !isAscii(head)) {
        if (CodePage::isStrictUtf8(head.mid(pos_), atEof_))
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
    decoding_ = CodePage::isStrictUtf8(bytes, true) ? Decoding::Utf8 : Decoding::CodePage;
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
