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

}  // namespace
