// The eight functions of the renamer's list, each over the whole column of
// new names, with the questions they ask.
#include <gtest/gtest.h>

#include "rename/NameFunctions.h"
#include "support/FakeDialogs.h"
#include "support/QStringPrinter.h"

namespace {

using namespace Qt::StringLiterals;

struct FunctionCase {
    const char* what;
    NameFunction function;
    QStringList answers;
    QStringList names;
    QStringList expected;
};

QStringList applied(const FunctionCase& c, FakeDialogs& dialogs) {
    for (const QString& answer : c.answers) dialogs.inputAnswers.push_back(answer);
    QStringList names = c.names;
    applyNameFunction(c.function, names, dialogs);
    return names;
}

// Every function changes every entry; one given an empty answer changes none.
TEST(NameFunctions, EachFunctionChangesEveryEntry) {
    const QStringList names{u"Banana"_s, u"a-b"_s};
    const FunctionCase cases[] = {
        {"lower case", NameFunction::Lower, {}, {u"ABC.MP3"_s, u"Mixed Case"_s}, {u"abc.mp3"_s, u"mixed case"_s}},
        {"upper case", NameFunction::Upper, {}, {u"abc.mp3"_s}, {u"ABC.MP3"_s}},
        {"remove the last extension", NameFunction::RemoveExtension, {}, {u"song.tar.gz"_s, u"plain"_s}, {u"song.tar"_s, u"plain"_s}},
        {"add an extension", NameFunction::AddExtension, {u"mp3"_s}, {u"song.tar"_s}, {u"song.tar.mp3"_s}},
        {"text after the mark, trimmed", NameFunction::TextAfterMark, {u"-"_s},
         {u"Artist - Title.mp3"_s, u"NoMark.mp3"_s}, {u"Title.mp3"_s, QString()}},
        {"a longer mark is dropped whole", NameFunction::TextAfterMark, {u"--"_s}, {u"a--b"_s}, {u"b"_s}},
        {"text before the mark, trimmed", NameFunction::TextBeforeMark, {u"-"_s},
         {u"Artist - Title.mp3"_s, u"NoMark.mp3"_s}, {u"Artist"_s, QString()}},
        {"replace is case-sensitive", NameFunction::Replace, {u"a"_s, u"b"_s}, {u"Banana"_s}, {u"Bbnbnb"_s}},
        {"replace reaches the extension", NameFunction::Replace, {u".mp3"_s, u".MP3"_s}, {u"x.mp3"_s}, {u"x.MP3"_s}},
        {"trim spaces", NameFunction::TrimSpaces, {}, {u"  a b  "_s}, {u"a b"_s}},
        {"no extension given", NameFunction::AddExtension, {}, names, names},
        {"no mark given (after)", NameFunction::TextAfterMark, {}, names, names},
        {"no mark given (before)", NameFunction::TextBeforeMark, {}, names, names},
        {"no text to replace", NameFunction::Replace, {}, names, names},
        {"empty replacement cannot delete text", NameFunction::Replace, {u"a"_s, QString()}, names, names},
    };
    for (const FunctionCase& c : cases) {
        FakeDialogs dialogs;
        EXPECT_EQ(applied(c, dialogs), c.expected) << c.what;
    }
}

// The questions each function asks, in order; an empty column asks nothing.
TEST(NameFunctions, QuestionsAreAskedWithTheirOwnTexts) {
    const QStringList one{u"name"_s};
    const struct {
        NameFunction function;
        QStringList answers;
        QStringList names;
        QStringList prompts;
    } cases[] = {
        {NameFunction::AddExtension, {u"x"_s}, one, {u"請輸入要新增的附檔名"_s}},
        {NameFunction::TextAfterMark, {u"x"_s}, one, {u"請輸入要標明截取的字元"_s}},
        {NameFunction::TextBeforeMark, {u"x"_s}, one, {u"請輸入要標明截取的字元"_s}},
        {NameFunction::Replace, {u"x"_s, u"y"_s}, one, {u"請輸入要被取代的字元"_s, u"請輸入要取代成的字元"_s}},
        {NameFunction::Replace, {}, one, {u"請輸入要被取代的字元"_s}},
        {NameFunction::Lower, {}, one, {}},
        {NameFunction::AddExtension, {u"x"_s}, {}, {}},
    };
    for (const auto& c : cases) {
        FakeDialogs dialogs;
        for (const QString& answer : c.answers) dialogs.inputAnswers.push_back(answer);
        QStringList names = c.names;
        applyNameFunction(c.function, names, dialogs);
        QStringList prompts;
        for (const auto& input : dialogs.inputs) prompts << input.prompt;
        EXPECT_EQ(prompts, c.prompts) << "function " << int(c.function) << " on " << c.names.size() << " names";
    }
}

TEST(NameFunctions, CaptionsInListOrder) {
    const QStringList captions = nameFunctionCaptions();
    ASSERT_EQ(captions.size(), kNameFunctionCount);
    EXPECT_EQ(captions.at(int(NameFunction::Lower)), u"檔名全部變為小寫"_s);
    EXPECT_EQ(captions.at(int(NameFunction::Replace)), u"取代檔名(連附檔名)"_s);
    EXPECT_EQ(captions.at(int(NameFunction::TrimSpaces)), u"移除檔名頭尾空白"_s);
}

}  // namespace
