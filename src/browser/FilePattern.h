#pragma once

#include <QRegularExpression>
#include <QString>

#include <optional>

// The file list's pattern: one or more wildcards separated by ";"
// ("*.mp3;*.wav"), matched against file names without regard to case, so
// "*.mp3" shows "SONG.MP3". "*" stands for any run of characters and "?"
// for one. Two conventions of the classic file list are kept because users
// type them: a final ".*" also matches names without an extension (so
// "*.*" shows every file), and a final "." matches only names without one.
class FilePattern {
public:
    static constexpr const char16_t* kAll = u"*.*";

    explicit FilePattern(const QString& pattern = QString::fromUtf16(kAll));

    const QString& text() const { return text_; }
    bool matchesAll() const { return matchesAll_; }
    bool matches(const QString& fileName) const;

    // The pattern a filter answer asks for, or nothing when the answer is
    // blank (also a cancelled box). "*." is put in front of a trimmed answer that
    // does not begin with it; only the first two characters are looked at,
    // so in "*.mp3;wav" the second type stays as typed.
    static std::optional<QString> fromFilterAnswer(const QString& answer);

private:
    static QString wildcardToRegex(QStringView wildcard);

    QString text_;
    bool matchesAll_ = false;
    QRegularExpression regex_;
};
