// The command language as the player and the console type it: one parser,
// one table of commands, checked here without any device or pipeline.
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include "platform/mci/GstMciEngine.h"
#include "platform/mci/MciErrorTexts.h"
#include "platform/mci/MciParser.h"
#include "platform/mci/OutputLevel.h"
#include "support/QStringPrinter.h"

namespace {

const MciParser& parser() {
    static const MciParser instance(GstMciEngine::syntax());
    return instance;
}

const QStringList kWords{
    "open", "close", "play", "pause", "resume", "stop", "seek", "set", "status", "setaudio", "all", "alias", "type",
    "from", "to", "start", "end", "time", "format", "milliseconds", "ms", "speed", "mode", "length", "position",
    "ready", "volume", "wait", "notify", "shareable", "\"", "\"a b\"", "-", "0", "-1", "2000", "99999999999",
    "ZELSong", "tmpFile", "x", "１２", "é", "\t", "", "-2147483648", "2147483648", "\"\"", "to start", "time format"};
}  // namespace

// Capitalised words (as the media layer writes them), quoting, spacing and the edges of numbers; the engine's tests
// send the media layer's commands in their plain forms.
TEST(MciParser, ReadsTheCommandsThePlayerAndConsoleSend) {
    struct Case { QString text, verb, target; QStringList keys; };  // keys as "key=value", sorted
    const Case cases[] = {
        {R"(Open "/music/a song.mp3" Alias ZELSong)", "open", "/music/a song.mp3", {"alias=ZELSong"}},
        {R"(open "" alias x)", "open", "", {"alias=x"}},
        {R"(open "/a b.mid" alias "my x" shareable wait)", "open", "/a b.mid", {"alias=my x", "shareable=", "wait="}},
        {"set x TIME   FORMAT ms", "set", "x", {"time format=ms"}},
        {"play x from 1000 to 2000 notify", "play", "x", {"from=1000", "notify=", "to=2000"}},
        {"play x from -2147483648", "play", "x", {"from=-2147483648"}},
        {"SEEK x TO END", "seek", "x", {"to end="}},
        {"status x time format", "status", "x", {"time format="}},
        {"Close all", "close", "all", {}},
        {"  \t close   tmpFile  ", "close", "tmpFile", {}},
    };
    for (const Case& c : cases) {
        const MciParseResult r = parser().parse(c.text);
        QStringList keys;
        for (const QString& key : r.command.values.keys()) keys << key + '=' + r.command.text(key);
        keys.sort();
        EXPECT_EQ(std::tuple(r.code, r.command.verb, r.command.target, r.command.all, keys),
                  std::tuple(0u, c.verb, c.target, c.target == "all", c.keys))
            << qPrintable(c.text);
    }
    EXPECT_EQ(parser().parse("play x from 2147483647").command.number("from"), 2147483647) << "the whole 32 bits";
}

TEST(MciParser, ErrorsNameWhatIsWrongAndNumbersAreWholeAndWithin32Bits) {
    using namespace MciError;
    const QList<QPair<QString, quint32>> cases{
        {"", MissingCommandString}, {"    ", MissingCommandString}, {"play", MissingDeviceName},
        {"play all", CannotUseAll}, {"play x fast", UnrecognizedKeyword}, {"close x now", UnrecognizedKeyword},
        {"setaudio x volume 5", UnrecognizedKeyword}, {"play x from", MissingParameter},
        {"seek x to", MissingParameter}, {"set x time format", MissingParameter},
        {"play x from 1 from 2", DuplicateFlags}, {"status x mode mode", DuplicateFlags},
        {R"(open "/never closed.mp3 alias x)", NoClosingQuote}, {"set x speed fast", BadInteger},
        {"play x from 2147483648", BadInteger}, {"play x from 12a", BadInteger},
        {"play x from -2147483649", BadInteger}, {"play x from 1.5", BadInteger}, {"play x from +5", BadInteger},
        {"play x from -", BadInteger}, {"play x from ０", BadInteger},
    };
    for (const auto& [text, code] : cases) EXPECT_EQ(parser().parse(text).code, code) << qPrintable(text);
}

TEST(MciErrorTexts, EveryCodeTheEngineGivesHasATextOfItsOwn) {
    using namespace MciError;
    QStringList seen;
    for (quint32 code : {0u, UnrecognizedKeyword, UnrecognizedCommand, InvalidDevice, MissingCommandString, BadInteger,
                         MissingParameter, UnsupportedFunction, FileNotFound, Internal, CannotUseAll, OutOfRange,
                         FlagsNotCompatible, DuplicateAlias, MissingDeviceName, BadTimeFormat, NoClosingQuote,
                         DuplicateFlags, CannotPlay}) {
        QString t;  // one line, as the console shows it, and telling the codes apart
        EXPECT_TRUE(mciErrorText(code, t)) << code;
        EXPECT_FALSE(t.isEmpty()) << code;
        EXPECT_FALSE(t.contains('\n')) << code << ": " << qPrintable(t);
        EXPECT_FALSE(seen.contains(t)) << code << " repeats " << qPrintable(t);
        seen.append(t);
    }
    QString text = QStringLiteral("left alone");
    for (quint32 unknown : {1u, 5000u, 258u, 0xFFFFFFFFu}) EXPECT_FALSE(mciErrorText(unknown, text)) << unknown;
    EXPECT_EQ(text, "left alone") << "unknown codes leave the text alone";
}

TEST(OutputLevel, LouderChannelIsTheGainTheOtherTheBalance) {
    struct Case { quint32 level; double gain, balance; };
    for (const Case& c : {Case{0xFFFFFFFFu, 1.0, 0.0}, {0x00000000u, 0.0, 0.0}, {0x7FFF7FFFu, 32767 / 65535.0, 0.0},
                          {0x0000FFFFu, 1.0, -1.0}, {0xFFFF0000u, 1.0, 1.0}, {0x8000FFFFu, 1.0, 32768 / 65535.0 - 1}}) {
        const OutputLevel level = OutputLevel::fromWaveOut(c.level);
        EXPECT_NEAR(level.gain, c.gain, 1e-9) << std::hex << c.level;
        EXPECT_NEAR(level.balance, c.balance, 1e-9) << std::hex << c.level;
    }
}

// Random commands, as a user may type them in the console; the test build
// runs under ASan and UBSan, so a stray read fails here.
TEST(MciFuzz, ParserTakesAnyCommand) {
    const QList<MciSyntax> table = GstMciEngine::syntax();
    QRandomGenerator random(7);
    int parsed = 0;
    for (int i = 0; i < 20000; ++i) {
        QStringList words;
        for (int w = random.bounded(9); w > 0; --w) words.append(kWords.at(random.bounded(kWords.size())));
        QString text = words.join(QString(random.bounded(3) + 1, QLatin1Char(' ')));
        // Now and then, raw characters anywhere, including control and surrogate halves.
        for (int c = random.bounded(4); c > 0; --c)
            text.insert(random.bounded(text.size() + 1), QChar(static_cast<char16_t>(random.bounded(0x10000))));
        const MciParseResult result = parser().parse(text);
        EXPECT_TRUE(result.code == 0 || result.code >= 256u) << qPrintable(text);
        if (result.code) continue;
        ++parsed;
        ASSERT_GE(result.syntaxIndex, 0) << qPrintable(text);
        ASSERT_LT(result.syntaxIndex, table.size()) << qPrintable(text);
        EXPECT_EQ(result.command.verb, table.at(result.syntaxIndex).verb) << qPrintable(text);
    }
    EXPECT_GT(parsed, 100) << "the random commands should reach the handlers now and then";
}
