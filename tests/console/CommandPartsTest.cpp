#include <gtest/gtest.h>

#include "console/CommandParts.h"
#include "support/QStringPrinter.h"

// The proposal follows typing, never deleting, and only a single word after
// a single blank that starts the alias exactly (upper and lower case differ).
TEST(AliasCompletion, ProposesTheRestOfTheAliasOnlyForTheOneWordAfterTheOneBlank) {
    const struct {
        const char* text;
        int previousLength;
        const char* proposal;
    } cases[] = {
        {"play Z", 5, "ELSong"},      {"play z", 5, ""},          {"play ZEL", 7, "Song"},
        {"play ZELSon", 10, "g"},     {"play ZELSong", 11, ""},   {"play Z", 7, ""},
        {"play", 3, ""},              {"play ", 4, ""},           {"play ZELSong from Z", 18, ""},
        {"play ZELSongs", 12, ""},    {"Play X", 5, ""},          {"pause Z", 6, "ELSong"},
        {"play  Z", 6, ""},           {"play Ze", 6, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(aliasCompletion(QString::fromUtf8(c.text), c.previousLength), QString::fromUtf8(c.proposal))
            << '"' << c.text << "\" after a length of " << c.previousLength;
}

// An open command shows its alias from after the keyword and its file as the
// data; a close command has only an alias; the fourth part keeps the rest.
TEST(SplitCommand, FillsTheFourPartsAsEachCommandWordArrangesThem) {
    const struct {
        const char* command;
        const char* parts[4];
    } cases[] = {
        {R"(open "/m/a.wav" alias x)", {"open", "x", "", R"("/m/a.wav")"}},
        {"Open /m/b.mp3 Alias ZELSong", {"Open", "ZELSong", "", "/m/b.mp3"}},
        {"OPEN /m/c.mid", {"OPEN", "", "", "/m/c.mid"}},
        {"close ZELSong", {"close", "ZELSong", "", ""}},
        {"Close all now", {"Close", "all", "", ""}},
        {"set ZELSong speed 2000", {"set", "ZELSong", "speed", "2000"}},
        {"play ZELSong from 5 to 9", {"play", "ZELSong", "from", "5 to 9"}},
        {"status", {"status", "", "", ""}},
        {"", {"", "", "", ""}},
        {" x", {"", "x", "", ""}},
    };
    for (const auto& c : cases) {
        const CommandParts parts = splitCommand(QString::fromUtf8(c.command));
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(parts[i], QString::fromUtf8(c.parts[i])) << '"' << c.command << "\" part " << i;
    }
}

// Any text gives a size the engine can take: a number held to 0..255, rounded;
// no number at all asks for no reply.
TEST(ReplySize, AnyTextReadsAsASizeFrom0To255) {
    const struct {
        const char* text;
        int size;
    } cases[] = {
        {"255", 255}, {"0", 0},   {"15", 15},    {"256", 255}, {"99999999999999999999", 255}, {"-5", 0},
        {"abc", 0},   {"", 0},    {"12.6", 13},  {" 40x", 40}, {"nan", 0},                    {"0.5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(replySizeFromText(QString::fromUtf8(c.text)), c.size) << '"' << c.text << '"';
}
