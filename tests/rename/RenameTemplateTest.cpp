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

struct NumberCase {
    const char* what;
    QString templateText;
    QString first;
    QString length;
    QStringList expected;
};

TEST(RenameTemplate, RunningNumberFillsEveryNumberSignPaddedToTheMinimumLength) {
    const NumberCase cases[] = {
        {"defaults of twelve files", u"Track#"_s, u"1"_s, u"2"_s, numbered(u"Track"_s, 1, 12, 2)},
        {"length 3", u"Track#"_s, u"1"_s, u"3"_s, numbered(u"Track"_s, 1, 12, 3)},
        {"from 9, length 1: longer numbers are not cut", u"Track#"_s, u"9"_s, u"1"_s, numbered(u"Track"_s, 9, 20, 1)},
        {"length 0 still pads to one digit", u"#"_s, u"1"_s, u"0"_s, numbered({}, 1, 12, 1)},
        {"first number read from its leading digits", u"#"_s, u"7x"_s, u"2"_s, numbered({}, 7, 18, 2)},
        {"first number rounded", u"#"_s, u"2.6"_s, u"1"_s, numbered({}, 3, 14, 1)},
        {"no first number reads 0", u"#"_s, u"abc"_s, u"2"_s, numbered({}, 0, 11, 2)},
        {"without signs every name is the template", u"same"_s, u"1"_s, u"2"_s, QStringList(12, u"same"_s)},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(previewNames(boxesFor(c.templateText, c.first, c.length), 12), c.expected) << c.what;
}

TEST(RenameTemplate, TwoNumberSignsInOneNameGetTheSameNumber) {
    const QStringList names = previewNames(boxesFor(u"#-#.mp3"_s, u"1"_s, u"2"_s), 12);
    ASSERT_EQ(names.size(), 12);
    EXPECT_EQ(names.first(), u"01-01.mp3"_s);
    EXPECT_EQ(names.last(), u"12-12.mp3"_s);
}

TEST(RenameTemplate, NegativeNumbersKeepTheirSignBeforeThePadding) {
    EXPECT_EQ(previewNames(boxesFor(u"n#"_s, u"-1"_s, u"2"_s), 3), (QStringList{u"n-01"_s, u"n00"_s, u"n01"_s}));
}

TEST(RenameTemplate, AHugeMinimumLengthIsCappedAtTheLongestFileName) {
    const QStringList names = previewNames(boxesFor(u"#"_s, u"1"_s, u"100000000"_s), 2);
    ASSERT_EQ(names.size(), 2);
    EXPECT_EQ(names.first().size(), 255);
}

TEST(RenameTemplate, NothingForNoFilesOrAnUnreadableFirstNumber) {
    EXPECT_TRUE(previewNames(boxesFor(u"#"_s, u"1"_s, u"1"_s), 0).isEmpty());
    EXPECT_TRUE(previewNames(boxesFor(u"#"_s, u"99999999999999999999"_s, u"1"_s), 3).isEmpty());
}

struct CharacterCase {
    const char* what;
    QString first;
    QString last;
    QStringList expected;
};

TEST(RenameTemplate, RunningCharacterCyclesThroughTheRangeOrStaysWhenTheRangeIsUnusable) {
    const QStringList untouched(5, u"@.txt"_s);
    const CharacterCase cases[] = {
        {"65 to 67 over five files", u"65"_s, u"67"_s, {u"A.txt"_s, u"B.txt"_s, u"C.txt"_s, u"A.txt"_s, u"B.txt"_s}},
        {"one character", u"97"_s, u"97"_s, QStringList(5, u"a.txt"_s)},
        {"first code 0", u"0"_s, u"90"_s, untouched},
        {"codes in the wrong order", u"90"_s, u"65"_s, untouched},
        {"empty boxes", {}, {}, untouched},
        {"a code beyond 7 bits", u"65"_s, u"300"_s, untouched},
        {"a negative code", u"-5"_s, u"65"_s, untouched},
    };
    for (const CharacterCase& c : cases) {
        TemplateBoxes boxes = boxesFor(u"@.txt"_s, u"1"_s, u"1"_s);
        boxes.firstCode = c.first;
        boxes.lastCode = c.last;
        EXPECT_EQ(previewNames(boxes, 5), c.expected) << c.what;
    }
}

TEST(RenameTemplate, NumberAndCharacterTogether) {
    TemplateBoxes boxes = boxesFor(u"@#@"_s, u"1"_s, u"1"_s);
    boxes.firstCode = u"120"_s;
    boxes.lastCode = u"121"_s;
    EXPECT_EQ(previewNames(boxes, 3), (QStringList{u"x1x"_s, u"y2y"_s, u"x3x"_s}));
}

TEST(RenameTemplate, DefaultLengthIsTheDigitsOfTheFileCount) {
    const struct {
        qsizetype count;
        int length;
    } cases[] = {{1, 1}, {9, 1}, {10, 2}, {99, 2}, {100, 3}, {999, 3}, {1000, 4}};
    for (const auto& c : cases) EXPECT_EQ(defaultLength(c.count), c.length) << c.count << " files";
}

TEST(RenameTemplate, LastNumberIsFirstPlusCountLessOne) {
    EXPECT_EQ(lastNumberText(u"1"_s, 12), u"12"_s);
    EXPECT_EQ(lastNumberText(u"9"_s, 12), u"20"_s);
    EXPECT_EQ(lastNumberText(u"x"_s, 3), u"2"_s);
    EXPECT_EQ(lastNumberText(u"99999999999999999999"_s, 3), QString());
}

TEST(RenameTemplate, CodeRangeShowsBothCharactersOrNothingForAnInvalidCode) {
    EXPECT_EQ(codeRangeText(u"65"_s, u"90"_s), std::optional<QString>(u"A-Z"_s));
    EXPECT_EQ(codeRangeText(u"97"_s, {}), std::optional<QString>(u"a-"_s));
    EXPECT_EQ(codeRangeText(u"65"_s, u"300"_s), std::nullopt);
    EXPECT_EQ(codeRangeText(u"-1"_s, u"65"_s), std::nullopt);
}

}  // namespace
