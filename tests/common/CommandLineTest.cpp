#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "support/QStringPrinter.h"

namespace {

TEST(CommandLine, SwitchesComeFirstAndTheRestIsOnePath) {
    struct Case { QStringList arguments; QString path; bool echoStatus = false, help = false, version = false; };
    const Case cases[] = {
        {{"/music/Blue", "Sky.mp3"}, "/music/Blue Sky.mp3"},
        {{"--echo-status", "a.wav"}, "a.wav", true},
        {{"a", "--help"}, "a --help"},  // after the path begins, a switch-like word is part of the name
        {{"--", "--version.mp3"}, "--version.mp3"},
        {{"--help"}, "", false, true},
        {{"--version"}, "", false, false, true},
        {{}, ""},
        {{" "}, " "},  // blanks are kept as they are: the caller decides what a blank path means
    };
    for (const Case& c : cases) {
        const CommandLine got = CommandLine::parse(c.arguments);
        EXPECT_EQ(std::tuple(got.path, got.echoStatus, got.showHelp, got.showVersion),
                  std::tuple(c.path, c.echoStatus, c.help, c.version))
            << c.arguments.join('|').toStdString();
    }
}

TEST(CommandLine, ListenTakesAnOptionalPort) {
    struct Case { QStringList arguments; std::optional<quint16> port; QString path; };
    const Case cases[] = {
        {{"a.mp3"}, std::nullopt, "a.mp3"},
        {{"--listen"}, 2450, ""},
        {{"--listen", "3000"}, 3000, ""},
        {{"--listen", "0"}, 0, ""},
        {{"--listen", "a.mp3"}, 2450, "a.mp3"},
        {{"--listen", "70000"}, 2450, "70000"},  // not a port: the first word of the path
        {{"--echo-status", "--listen", "9", "b.mp3"}, 9, "b.mp3"},
        {{"a.mp3", "--listen"}, std::nullopt, "a.mp3 --listen"},
    };
    for (const Case& c : cases) {
        const CommandLine got = CommandLine::parse(c.arguments);
        EXPECT_EQ(got.listenPort, c.port) << c.arguments.join('|').toStdString();
        EXPECT_EQ(got.path, c.path) << c.arguments.join('|').toStdString();
    }
}

}  // namespace
