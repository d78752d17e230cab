// The new names a template gives, and the boxes that follow the number and
// character ranges.
#include <gtest/gtest.h>

#include "rename/RenameTemplate.h"
#include "support/QStringPrinter.h"

namespace {

using namespace Qt::StringLiterals;

QStringList numbered(const QString& prefix, int first, int last, int width, const QString& suffix = {}) {
    QStringList names;
    for (int i = first; i <= last; ++i) names << prefix + QString::number(i).rightJustified(width, u'0') + suffix;
    return names;
}

TemplateBoxes boxesFor(const QString& text, const QString& first, const QString& length) {
    TemplateBoxes boxes;
    boxes.templateText = text;
    boxes.firstNumber = first;
    boxes.length = length;
    return boxes;
}

TEST(RenameTemplate, RunningNumberFillsEveryNumberSignPaddedToTheMinimumLength) {
    const struct {
        const char* what;
        QString templateText, first, length;
        qsizetype count;
        QStringList expected;
    } cases[] = {
        {"defaults of twelve files", u"Track#"_s, u"1"_s, u"2"_s, 12, numbered(u"Track"_s, 1, 12, 2)},
        {"length 3", u"Track#"_s, u"1"_s, u"3"_s, 12, numbered(u"Track"_s, 1, 12, 3)},
        {"from 9, length 1: longer numbers are not cut", u"Track#"_s, u"9"_s, u"1"_s, 12, numbered(u"Track"_s, 9, 20, 1)},
        {"length 0 still pads to one digit", u"#"_s, u"1"_s, u"0"_s, 12, numbered({}, 1, 12, 1)},
        {"first number read from its leading digits", u"#"_s, u"7x"_s, u"2"_s, 12, numbered({}, 7, 18, 2)},
        {"first number rounded", u"#"_s, u"2.6"_s, u"1"_s, 12, numbered({}, 3, 14, 1)},
        {"no first number reads 0", u"#"_s, u"abc"_s, u"2"_s, 12, numbered({}, 0, 11, 2)},
        {"without signs every name is the template", u"same"_s, u"1"_s, u"2"_s, 12, QStringList(12, u"same"_s)},
        {"two signs get the same number", u"#-#.mp3"_s, u"1"_s, u"2"_s, 3, {u"01-01.mp3"_s, u"02-02.mp3"_s, u"03-03.mp3"_s}},
        {"negative numbers keep their sign before the padding", u"n#"_s, u"-1"_s, u"2"_s, 3,
         {u"n-01"_s, u"n00"_s, u"n01"_s}},
        {"no files", u"#"_s, u"1"_s, u"1"_s, 0, {}},
        {"an unreadable first number", u"#"_s, u"99999999999999999999"_s, u"1"_s, 3, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(previewNames(boxesFor(c.templateText, c.first, c.length), c.count), c.expected) << c.what;
}

TEST(RenameTemplate, AHugeMinimumLengthIsCappedAtTheLongestFileName) {
    const QStringList names = previewNames(boxesFor(u"#"_s, u"1"_s, u"100000000"_s), 2);
    ASSERT_EQ(names.size(), 2);
    EXPECT_EQ(names.first().size(), 255);
}

TEST(RenameTemplate, RunningCharacterCyclesThroughTheRangeOrStaysWhenTheRangeIsUnusable) {
    const QStringList untouched(5, u"@.txt"_s);
    const struct {
        const char* what;
        QString templateText, first, last;
        QStringList expected;
    } cases[] = {
        {"65 to 67 over five files", u"@.txt"_s, u"65"_s, u"67"_s, {u"A.txt"_s, u"B.txt"_s, u"C.txt"_s, u"A.txt"_s, u"B.txt"_s}},
        {"one character", u"@.txt"_s, u"97"_s, u"97"_s, QStringList(5, u"a.txt"_s)},
        {"with the number", u"@#@"_s, u"120"_s, u"121"_s, {u"x1x"_s, u"y2y"_s, u"x3x"_s, u"y4y"_s, u"x5x"_s}},
        {"first code 0", u"@.txt"_s, u"0"_s, u"90"_s, untouched},
        {"codes in the wrong order", u"@.txt"_s, u"90"_s, u"65"_s, untouched},
        {"empty boxes", u"@.txt"_s, {}, {}, untouched},
        {"a code beyond 7 bits", u"@.txt"_s, u"65"_s, u"300"_s, untouched},
        {"a negative code", u"@.txt"_s, u"-5"_s, u"65"_s, untouched},
    };
    for (const auto& c : cases) {
        TemplateBoxes boxes = boxesFor(c.templateText, u"1"_s, u"1"_s);
        boxes.firstCode = c.first;
        boxes.lastCode = c.last;
        EXPECT_EQ(previewNames(boxes, 5), c.expected) << c.what;
    }
}

// The boxes that follow: the default length, the last number and the two characters shown.
TEST(RenameTemplate, DerivedBoxes) {
    const struct {
        qsizetype count;
        int length;
    } lengths[] = {{1, 1}, {9, 1}, {10, 2}, {99, 2}, {100, 3}, {999, 3}, {1000, 4}};
    for (const auto& c : lengths) EXPECT_EQ(defaultLength(c.count), c.length) << c.count << " files";

    const struct {
        QString first;
        qsizetype count;
        QString last;
    } lasts[] = {{u"1"_s, 12, u"12"_s}, {u"9"_s, 12, u"20"_s}, {u"x"_s, 3, u"2"_s}, {u"99999999999999999999"_s, 3, {}}};
    for (const auto& c : lasts) EXPECT_EQ(lastNumberText(c.first, c.count), c.last) << c.first.toStdString();

    const struct {
        QString first, last;
        std::optional<QString> shown;
    } ranges[] = {{u"65"_s, u"90"_s, u"A-Z"_s}, {u"97"_s, {}, u"a-"_s}, {u"65"_s, u"300"_s, std::nullopt},
                  {u"-1"_s, u"65"_s, std::nullopt}};
    for (const auto& c : ranges)
        EXPECT_EQ(codeRangeText(c.first, c.last), c.shown) << c.first.toStdString() << "-" << c.last.toStdString();
}

}  // namespace
