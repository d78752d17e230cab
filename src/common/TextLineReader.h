#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>

// Reads a text file one line at a time, so a caller that needs only the
// first lines of a huge file never reads, decodes or holds the rest.
//
// Before the first line it checks the file's first 64 KiB (kCheckedBytes):
// a NUL byte there, or bytes that are neither code page 950 nor UTF-8, mark
// the file as not text and nothing is read. The encoding follows the code
// page rules of CodePage: UTF-8 with a BOM (the BOM is not part of the first
// line); UTF-8 without one when the checked bytes are valid UTF-8 holding a
// multi-byte sequence; otherwise code page 950. When the checked bytes are
// plain ASCII, the first line that is not decides between UTF-8 and code
// page 950. Past the checked bytes nothing is refused: bytes the encoding
// cannot read become U+FFFD.
//
// A line ends at CR LF, at a lone CR and at a lone LF; a final line end does
// not start another line. A line longer than kMaxLineBytes is refused (no
// text file of paths has one), which keeps the memory a read needs small.
class TextLineReader {
public:
    static constexpr qsizetype kCheckedBytes = 64 * 1024;
    static constexpr qsizetype kMaxLineBytes = 64 * 1024;

    enum class Encoding { CodePageRules, Utf8 };  // Utf8: the file must be UTF-8 (a BOM is allowed)
    enum class Failure { None, Unreadable, NulByte, NotText, LineTooLong };

    explicit TextLineReader(const QString& path, Encoding encoding = Encoding::CodePageRules);

    // The next line into `line`; false at the end of the file or on a failure.
    bool readLine(QString& line);
    Failure failure() const { return failure_; }
    // Why the file was refused or could not be read, as a short sentence for
    // a message box; empty while there is no failure.
    QString failureText() const;

private:
    enum class Decoding { Undecided, Utf8, CodePage };

    bool checkHead(Encoding encoding);
    bool fill();
    bool nextLineBytes(QByteArray& bytes);
    QString decode(const QByteArray& bytes);
    bool fail(Failure failure);

    QFile file_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool atEof_ = false;
    Decoding decoding_ = Decoding::Undecided;
    QStringDecoder codePage_;
    bool utf8Only_ = false;
    Failure failure_ = Failure::None;
    QString ioError_;
    int lineNumber_ = 0;  // lines read so far
};
