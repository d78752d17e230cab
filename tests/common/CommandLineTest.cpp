#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

TEST(CommandLine, ArgumentsJoinIntoOnePath) {
    const CommandLine c = CommandLine::parse({QStringLiteral("/music/Blue"), QStringLiteral("Sky.mp3")});
    EXPECT_EQ(c.path, QStringLiteral("/music/Blue Sky.mp3"));
    EXPECT_FALSE(c.echoStatus);
}

TEST(CommandLine, SwitchesComeFirst) {
    const CommandLine c = CommandLine::parse({QStringLiteral("--echo-status"), QStringLiteral("a.wav")});
    EXPECT_TRUE(c.echoStatus);
    EXPECT_EQ(c.path, QStringLiteral("a.wav"));

    // After the path begins, a switch-like word is part of the name.
    const CommandLine d = CommandLine::parse({QStringLiteral("a"), QStringLiteral("--help")});
    EXPECT_FALSE(d.showHelp);
    EXPECT_EQ(d.path, QStringLiteral("a --help"));

    const CommandLine e = CommandLine::parse({QStringLiteral("--"), QStringLiteral("--version.mp3")});
    EXPECT_FALSE(e.showVersion);
    EXPECT_EQ(e.path, QStringLiteral("--version.mp3"));
}

TEST(CommandLine, HelpVersionAndNothing) {
    EXPECT_TRUE(CommandLine::parse({QStringLiteral("--help")}).showHelp);
    EXPECT_TRUE(CommandLine::parse({QStringLiteral("--version")}).showVersion);
    EXPECT_TRUE(CommandLine::parse({}).path.isEmpty());
    // Blanks are kept as they are: the caller decides what a blank path means.
    EXPECT_EQ(CommandLine::parse({QStringLiteral(" ")}).path, QStringLiteral(" "));
}

}  // namespace
