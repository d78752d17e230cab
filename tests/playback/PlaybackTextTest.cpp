#include <gtest/gtest.h>

#include "playback/CaptionScroll.h"
#include "playback/FileHistory.h"
#include "playback/JumpTime.h"
#include "playback/PositionToTime.h"
#include "playback/VolumeScale.h"

namespace {

using namespace Qt::StringLiterals;

TEST(PositionToTime, CutsEveryPartAndNeverWidensMinutes) {
    const struct { qint32 ms; bool hundredths; const char* text; } cases[] = {
        {61234, true, "1:01.23"}, {61234, false, "1:01"}, {0, true, "0:00.00"}, {599999, true, "9:59.99"},
        {4500000, false, "75:00"}, {-61234, true, "-1:01.23"}, {-4000, false, "-0:04"}, {-5, true, "0:00.00"},
        {-500, false, "0:00"}, {INT32_MAX, true, "35791:23.64"}, {INT32_MIN, true, "-35791:23.64"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PositionToTime(c.ms, c.hundredths), QString::fromUtf8(c.text))
            << c.ms << (c.hundredths ? " with" : " without") << " hundredths";
}

TEST(FileHistory, NewestFirstAndTheEleventhDropsTheOldest) {
    FileHistory::List list;
    const auto song = [](int n) { return u"/m/%1.mp3"_s.arg(n); };
    for (int i = 1; i <= 10; ++i) EXPECT_TRUE(FileHistory::add(list, song(i))) << i;
    EXPECT_TRUE(list[1] == song(10) && list[10] == song(1));
    const FileHistory::List before = list;
    EXPECT_FALSE(FileHistory::add(list, song(10)));
    EXPECT_EQ(list, before) << "the newest again changes nothing";
    EXPECT_TRUE(FileHistory::add(list, song(11)));
    EXPECT_TRUE(list[1] == song(11) && list[10] == song(2) && std::count(list.begin(), list.end(), song(1)) == 0);
    EXPECT_TRUE(FileHistory::add(list, song(5)));
    EXPECT_TRUE(list[1] == song(5) && std::count(list.begin(), list.end(), song(5)) == 2) << "and stays below";
}

TEST(JumpTime, AnswersInEveryForm) {
    const struct { const char* answer; std::optional<qint32> ms; } cases[] = {
        {"90", 90000}, {"1:30.25", 90250}, {"12.5", 12050}, {"0:00.01", 10}, {"75:00", 4500000}, {" 2:05", 125000},
        {"abc", 0}, {"1:x", 60000}, {"-5", -5000}, {"0:-10", -10000},
        {"", std::nullopt}, {"40000", std::nullopt},  // out of the 16-bit range
        {"1.5:30", 120000},  // minutes round half to even; no "." after the ":"
    };
    for (const auto& c : cases) EXPECT_EQ(parseJumpTime(QString::fromUtf8(c.answer)), c.ms) << c.answer;
}

TEST(VolumeScale, ClicksSnapAtTheEndsAndSetBothChannels) {
    const struct { double x; int units; quint32 level; const char* percent; } cases[] = {
        {20, 0, 0u, "0%"}, {24.4, 0, 0u, "0%"}, {25, 25, 0x06660666u, "2.5%"}, {755, 755, 0xC147C147u, "75.5%"},
        {950, 950, 0xF332F332u, "95%"}, {960, 1000, 0xFFFFFFFFu, "100%"}, {1e12, 1000, 0xFFFFFFFFu, "100%"},
    };
    for (const auto& c : cases) {
        const int v = VolumeScale::unitsFromClick(c.x);
        EXPECT_EQ(v, c.units) << "x " << c.x;
        EXPECT_EQ(VolumeScale::levelFromUnits(v), c.level) << "x " << c.x;
        EXPECT_EQ(VolumeScale::unitsFromLevel(c.level), c.units) << "x " << c.x;
        EXPECT_EQ(VolumeScale::percentText(v), QString::fromUtf8(c.percent)) << "x " << c.x;
    }
}

TEST(CaptionScroll, MovesOneCharacterPerStep) {
    const struct { const char16_t* caption; quint8 direction; const char16_t* scrolled; } cases[] = {
        {u"Blue Sky - ", 1, u"lue Sky - B"}, {u"Blue Sky - ", 2, u" Blue Sky -"}, {u"Blue Sky - ", 0, u"Blue Sky - "},
        {u"Blue Sky - ", 3, u"Blue Sky - "}, {u"藍天 - ", 1, u"天 - 藍"}, {u"😀ab", 1, u"ab😀"}, {u"ab😀", 2, u"😀ab"},
        {u"", 1, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scrollCaption(QString::fromUtf16(c.caption), c.direction), QString::fromUtf16(c.scrolled))
            << QString::fromUtf16(c.caption).toStdString() << " direction " << int(c.direction);
}

}  // namespace
