#include <gtest/gtest.h>

#include "console/ConsoleRig.h"
#include "support/QStringPrinter.h"

namespace {

// Types the text one key at a time, as the window reports each change, and
// gives the last proposal.
QString typeKeys(CommandConsole& console, const QString& text) {
    QString proposal;
    for (qsizetype n = 1; n <= text.size(); ++n)
        proposal = console.txtCommand_Change(console.command().left(n - 1) + text.at(n - 1));
    return proposal;
}

QString firstLogLine(const CommandConsole& console) { return console.log().section(u'\n', 0, 0); }

}  // namespace

// Typing "play Z" proposes the rest of the song's alias; deleting back into
// the completed alias proposes nothing (the rules of a proposal are the
// AliasCompletion table's; here the console keeps the completed length).
TEST(CommandConsole, CompletesTheAliasWhileTypingButNeverWhileDeleting) {
    ConsoleRig rig;
    CommandConsole console{rig.parts};
    EXPECT_EQ(typeKeys(console, QStringLiteral("play Z")), QStringLiteral("ELSong"));
    EXPECT_EQ(console.command(), QStringLiteral("play ZELSong"));
    EXPECT_EQ(console.parts()[1], QStringLiteral("ZELSong")) << "the parts show the completed line";
    EXPECT_EQ(console.txtCommand_Change(QStringLiteral("play ZELSon")), QString()) << "deleting one letter";
}

// With the automatic size, an open command asks for no reply and every other
// command for the full 255; without it the typed size stays.
TEST(CommandConsole, AutomaticReplySizeFollowsTheCommandWord) {
    const struct {
        bool automatic;
        const char* command;
        const char* size;
    } cases[] = {
        {true, R"(open "/m/a.wav" alias x)", "0"}, {true, "OPEN /m/a.wav", "0"},
        {true, "status x mode", "255"},             {true, "opens x", "255"},
        {false, R"(open "/m/a.wav" alias x)", "17"}, {false, "status x mode", "17"},
    };
    for (const auto& c : cases) {
        ConsoleRig rig;
        CommandConsole console{rig.parts};
        console.setReplySizeText(QStringLiteral("17"));
        console.setAutoAdjustLen(c.automatic);
        console.txtCommand_Change(QString::fromUtf8(c.command));
        EXPECT_EQ(console.replySizeText(), QString::fromUtf8(c.size)) << c.command << (c.automatic ? " automatic" : "");
    }
}

// Enter sends the line unchanged with the shown reply size and logs the sent
// line under the reply line, newest on top; the value is the reply's number.
TEST(CommandConsole, EnterSendsTheLineAndLogsTheReplyAboveTheCommand) {
    ConsoleRig rig;
    rig.fakes.mci.answer(QStringLiteral("status ZELSong position"), QStringLiteral("5000"));
    CommandConsole console{rig.parts};
    console.txtCommand_Change(QStringLiteral("status ZELSong position"));
    EXPECT_EQ(console.txtCommand_Enter(), CommandConsole::EnterResult::Sent);
    ASSERT_EQ(rig.fakes.mci.sent.size(), 1);
    EXPECT_EQ(rig.fakes.mci.sent[0].command, QStringLiteral("status ZELSong position"));
    EXPECT_EQ(rig.fakes.mci.sent[0].replyCapacity, 255);
    EXPECT_EQ(console.log(), QStringLiteral("13:30:00   傳回值是: 5000   解釋: \n"
                                            "13:30:00   已傳送指令: status ZELSong position\n"))
        << "a position has no explanation of its own";

    rig.fakes.clock.advanceMs(2000);
    console.txtCommand_Change(QStringLiteral("pause ZELSong"));
    console.txtCommand_Enter();
    EXPECT_EQ(console.log().section(u'\n', 0, 1), QStringLiteral("13:30:02   傳回值是: 0   解釋: 指令已執行。\n"
                                                              "13:30:02   已傳送指令: pause ZELSong"));
    EXPECT_EQ(console.log().section(u'\n', 2, 2), QStringLiteral("13:30:00   傳回值是: 5000   解釋: "))
        << "the older entry below";
}

// The reply size goes out held to 0..255 and the box shows what was sent
// (every reading of a text is the ReplySize table's).
TEST(CommandConsole, ReplySizeIsHeldToItsRangeAndShownAsSent) {
    const struct {
        const char* typed;
        int sent;
        const char* shown;
    } cases[] = {{"999", 255, "255"}, {"10", 10, "10"}};
    for (const auto& c : cases) {
        ConsoleRig rig;
        CommandConsole console{rig.parts};
        console.txtCommand_Change(QStringLiteral("status ZELSong length"));
        console.setReplySizeText(QString::fromUtf8(c.typed));
        console.txtCommand_Enter();
        ASSERT_EQ(rig.fakes.mci.sent.size(), 1) << c.typed;
        EXPECT_EQ(rig.fakes.mci.sent[0].replyCapacity, c.sent) << c.typed;
        EXPECT_EQ(console.replySizeText(), QString::fromUtf8(c.shown)) << c.typed;
    }
}

// An open command with the automatic size goes out with size 0 and logs 0;
// a failed command logs its error number and the engine's explanation
// instead of a 0 that would read as success.
TEST(CommandConsole, OpenAsksForNoReplyAndAFailureShowsItsErrorNumber) {
    ConsoleRig rig;
    CommandConsole console{rig.parts};
    console.setAutoAdjustLen(true);
    const QString open = QStringLiteral(R"(open "/m/a.wav" alias x)");
    rig.fakes.mci.answer(open, QStringLiteral("1"));
    console.txtCommand_Change(open);
    console.txtCommand_Enter();
    ASSERT_EQ(rig.fakes.mci.sent.size(), 1);
    EXPECT_EQ(rig.fakes.mci.sent[0].replyCapacity, 0);
    EXPECT_EQ(firstLogLine(console), QStringLiteral("13:30:00   傳回值是: 0   解釋: 指令已執行。"));

    rig.fakes.mci.answer(QStringLiteral("play nothing"), QString(), MciError::InvalidDevice);
    console.txtCommand_Change(QStringLiteral("play nothing"));
    console.txtCommand_Enter();
    EXPECT_EQ(firstLogLine(console), QStringLiteral("13:30:00   傳回值是: 263   解釋: 裝置未開啟或不明。"))
        << "the explanation's first line only";
}

// A speed command switches the shown position to the software clock from the
// song's position now; a clock already running keeps its position. Other set
// commands leave the clock alone.
TEST(CommandConsole, SpeedCommandSwitchesToTheSoftwareClock) {
    const struct {
        const char* command;
        bool clockWasOn;
        bool clockOn;
        qint32 clockPosition;
    } cases[] = {
        {"set ZELSong speed 2000", false, true, 7000},
        {"SET ZELSong SPEED 500", false, true, 7000},
        {"set ZELSong speed 2000", true, true, 1234},
        {"set ZELSong time format ms", false, false, 1234},
        {"status ZELSong speed", false, false, 1234},
    };
    for (const auto& c : cases) {
        ConsoleRig rig;
        rig.transport.position = 7000;
        rig.state.DoTimeAccumulate = c.clockWasOn;
        rig.state.AccTimePos = 1234;
        rig.state.AccLastTime = 1.0;
        CommandConsole console{rig.parts};
        console.txtCommand_Change(QString::fromUtf8(c.command));
        console.txtCommand_Enter();
        EXPECT_EQ(rig.state.DoTimeAccumulate, c.clockOn) << c.command;
        EXPECT_EQ(rig.state.AccTimePos, c.clockPosition) << c.command;
        EXPECT_EQ(rig.state.AccLastTime, c.clockOn ? 13.5 * 3600 * 1000 : 1.0) << c.command;
        EXPECT_EQ(rig.fakes.mci.commands(), QStringList{QString::fromUtf8(c.command)}) << "sent as typed";
    }
}

// "END" ends the program at once and "exit" closes the console, both without
// sending anything; any other spelling is an ordinary command.
TEST(CommandConsole, EndAndExitAreTheConsolesOwnWordsInExactlyThatSpelling) {
    const struct {
        const char* command;
        CommandConsole::EnterResult result;
        int ends;
        int sent;
    } cases[] = {
        {"END", CommandConsole::EnterResult::ProgramEnded, 1, 0},
        {"exit", CommandConsole::EnterResult::CloseConsole, 0, 0},
        {"end", CommandConsole::EnterResult::Sent, 0, 1},
        {"EXIT", CommandConsole::EnterResult::Sent, 0, 1},
        {"END ", CommandConsole::EnterResult::Sent, 0, 1},
    };
    for (const auto& c : cases) {
        ConsoleRig rig;
        CommandConsole console{rig.parts};
        console.txtCommand_Change(QString::fromUtf8(c.command));
        EXPECT_EQ(console.txtCommand_Enter(), c.result) << '"' << c.command << '"';
        EXPECT_EQ(rig.window.ends, c.ends) << '"' << c.command << '"';
        EXPECT_EQ(rig.fakes.mci.sent.size(), c.sent) << '"' << c.command << '"';
    }
}
