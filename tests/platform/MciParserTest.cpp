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

QString randomCommand(QRandomGenerator& random) {
    QStringList words;
    for (int i = random.bounded(9); i > 0; --i) words.append(kWords.at(random.bounded(kWords.size())));
    QString text = words.join(QString(random.bounded(3) + 1, QLatin1Char(' ')));
    // Now and then, raw characters anywhere, including control and surrogate halves.
    for (int i = random.bounded(4); i > 0; --i)
        text.insert(random.bounded(text.size() + 1), QChar(static_cast<char16_t>(random.bounded(0x10000))));
    return text;
}

}  // namespace

TEST(MciParser, ReadsTheCommandsThePlayerAndConsoleSend) {
    struct Case { QString text, verb, target; QStringList keys; };  // keys as "key=value", sorted
    const Case cases[] = {
        {R"(Open "/music/a song.mp3" Alias ZELSong)", "open", "/music/a song.mp3", {"alias=ZELSong"}},
        {"open /music/a.mp3 type MPEGVideo alias x", "open", "/music/a.mp3", {"alias=x", "type=MPEGVideo"}},
        {"open /music/a.mp3", "open", "/music/a.mp3", {}},
        {R"(open "" alias x)", "open", "", {"alias=x"}},
        {R"(open "/a b/c.mid" alias "my song" shareable wait)", "open", "/a b/c.mid", {"alias=my song", "shareable=", "wait="}},
        {"Set ZELSong time format milliseconds", "set", "ZELSong", {"time format=milliseconds"}},
        {"set x TIME   FORMAT ms", "set", "x", {"time format=ms"}},
        {"Set ZELSong speed 2000", "set", "ZELSong", {"speed=2000"}},
        {"Play ZELSong", "play", "ZELSong", {}},
        {"play x from 1000 to 2000 notify", "play", "x", {"from=1000", "notify=", "to=2000"}},
        {"Play ZELSong from -4000", "play", "ZELSong", {"from=-4000"}},
        {"Seek ZELSong to 5000", "seek", "ZELSong", {"to=5000"}},
        {"seek x to start", "seek", "x", {"to start="}},
        {"SEEK x TO END", "seek", "x", {"to end="}},
        {"Status ZELSong mode", "status", "ZELSong", {"mode="}},
        {"status x time format", "status", "x", {"time format="}},
        {"Close all", "close", "all", {}},
        {"  \t close   tmpFile  ", "close", "tmpFile", {}},
        {"setaudio x volume to 500", "setaudio", "x", {"volume to=500"}},
    };
    for (const Case& c : cases) {
        const MciParseResult r = parser().parse(c.text);
        QStringList keys;
        for (auto it = r.command.values.cbegin(); it != r.command.values.cend(); ++it) keys << it.key() + '=' + it->text;
        keys.sort();
        EXPECT_EQ(std::tuple(r.code, r.command.verb, r.command.target, r.command.all, keys),
                  std::tuple(0u, c.verb, c.target, c.target == "all", c.keys))
            << qPrintable(c.text);
    }
}

TEST(MciParser, NumbersAreWholeAndWithin32Bits) {
    EXPECT_EQ(parser().parse("play x from 2147483647").command.number("from"), 2147483647);
    EXPECT_EQ(parser().parse("play x from -2147483648").command.number("from"), -2147483648LL);
    for (const char* bad : {"2147483648", "-2147483649", "12a", "1.5", "-", "+5", "99999999999999999999", "０"})
        EXPECT_EQ(parser().parse(QStringLiteral("play x from ") + QString::fromUtf8(bad)).code, MciError::BadInteger) << bad;
}

TEST(MciParser, ErrorsNameWhatIsWrong) {
    using namespace MciError;
    const QList<QPair<QString, quint32>> cases{
        {"", MissingCommandString}, {"    ", MissingCommandString}, {"dance x", UnrecognizedCommand},
        {"play", MissingDeviceName}, {"play all", CannotUseAll}, {"status all mode", CannotUseAll},
        {"play x fast", UnrecognizedKeyword}, {"play x from", MissingParameter}, {"play x from 1 from 2", DuplicateFlags},
        {"seek x to", MissingParameter}, {"set x time format", MissingParameter}, {"set x speed fast", BadInteger},
        {"status x mode mode", DuplicateFlags}, {"status x bogus", UnrecognizedKeyword},
        {R"(open "/never closed.mp3 alias x)", NoClosingQuote}, {"setaudio x volume 5", UnrecognizedKeyword},
        {"close x now", UnrecognizedKeyword},
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
        QString text;
        // One line, as the console shows it, and telling the codes apart.
        EXPECT_TRUE(mciErrorText(code, text) && !text.isEmpty() && !text.contains('\n') && !seen.contains(text)) << code;
        seen.append(text);
    }
    for (quint32 unknown : {1u, 5000u, 258u, 0xFFFFFFFFu}) {
        QString text = QStringLiteral("left alone");
        EXPECT_TRUE(!mciErrorText(unknown, text) && text == QStringLiteral("left alone")) << unknown;
    }
}

TEST(OutputLevel, LouderChannelIsTheGainTheOtherTheBalance) {
    struct Case { quint32 level; double gain, balance; };
    for (const Case& c : {Case{0xFFFFFFFFu, 1.0, 0.0}, {0x00000000u, 0.0, 0.0}, {0x7FFF7FFFu, 32767 / 65535.0, 0.0},
                          {0x0000FFFFu, 1.0, -1.0}, {0xFFFF0000u, 1.0, 1.0}, {0x8000FFFFu, 1.0, -(1.0 - 32768 / 65535.0)}}) {
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
        const QString text = randomCommand(random);
        const MciParseResult result = parser().parse(text);
        if (result.code != 0) {
            EXPECT_GE(result.code, 256u) << qPrintable(text);
            continue;
        }
        ++parsed;
        ASSERT_TRUE(result.syntaxIndex >= 0 && result.syntaxIndex < table.size()) << qPrintable(text);
        EXPECT_EQ(result.command.verb, table.at(result.syntaxIndex).verb) << qPrintable(text);
    }
    EXPECT_GT(parsed, 100) << "the random commands should reach the handlers now and then";
}
