#include <gtest/gtest.h>

#include "support/QStringPrinter.h"
#include "RemoteRig.h"

namespace {

struct CommandCase {
    const char* command;
    const char* reply;
    QStringList calls;  // what the player was asked to do
};

class RemoteCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        rig.playlist.entries = {QStringLiteral("/m/一.mp3"), QStringLiteral("/m/two.mp3"), QStringLiteral("/m/3.wav")};
    }
    void expectCase(const CommandCase& c) {
        rig.player.calls.clear();
        const QString command = QString::fromUtf8(c.command);
        EXPECT_EQ(rig.commands.AnalysisResult(command), QString::fromUtf8(c.reply)) << c.command;
        EXPECT_EQ(rig.player.calls, c.calls) << c.command;
        EXPECT_TRUE(rig.playlist.calls.isEmpty()) << c.command << ": the playlist was driven, not read";
    }
    RemotePlayerRig rig;
};

TEST_F(RemoteCommandsTest, CommandWordAndSeparator) {
    const CommandCase cases[] = {
        {"stop", "沒有效的指令", {}},
        {"", "沒有效的指令", {}},
        {"|stop", "沒有效的指令", {}},
        {"  |x", "沒有效的指令", {}},
        {"Stop|", "『停止』指令已執行", {QStringLiteral("stop")}},
        {" STOP |x", "『停止』指令已執行", {QStringLiteral("stop")}},
        {"stop|a|b", "『停止』指令已執行", {QStringLiteral("stop")}},
        {"echo|hi", "信息已被收到", {}},
        {"ECHO|", "信息已被收到", {}},
        {"pause|", "未定義的指令", {}},
        {"st op|", "未定義的指令", {}},
        {"\tstop|", "未定義的指令", {}},  // only spaces are removed around the word
    };
    for (const CommandCase& c : cases) expectCase(c);
}

TEST_F(RemoteCommandsTest, PlayStartsTheGivenPathAsASong) {
    const CommandCase cases[] = {
        {"play| /m/A Song.mp3 ", "『播放』指令已執行", {QStringLiteral("SongStarted /m/A Song.mp3")}},
        {"Play|/m/list.m3u", "『播放』指令已執行", {QStringLiteral("SongStarted /m/list.m3u")}},
        {"PLAY|/bin/sh", "『播放』指令已執行", {QStringLiteral("SongStarted /bin/sh")}},
        {"play|a|b", "『播放』指令已執行", {QStringLiteral("SongStarted a|b")}},
    };
    for (const CommandCase& c : cases) expectCase(c);
}

TEST_F(RemoteCommandsTest, PlayItemNumbers) {
    const CommandCase cases[] = {
        {"PlayItem|1", "『播放項目』指令已執行", {QStringLiteral("SongStarted /m/一.mp3")}},
        {"playitem| 3 ", "『播放項目』指令已執行", {QStringLiteral("SongStarted /m/3.wav")}},
        {"playitem|2abc", "『播放項目』指令已執行", {QStringLiteral("SongStarted /m/two.mp3")}},
        {"playitem|1.5", "『播放項目』指令已執行", {QStringLiteral("SongStarted /m/一.mp3")}},  // 0.5 to even: 0
        {"playitem|2.5", "『播放項目』指令已執行", {QStringLiteral("SongStarted /m/3.wav")}},   // 1.5 to even: 2
        {"PlayItem|0", "無效的項目編號", {}},
        {"PlayItem|x", "無效的項目編號", {}},
        {"PlayItem|", "無效的項目編號", {}},
        {"PlayItem|4", "無效的項目編號", {}},
        {"PlayItem|-1", "無效的項目編號", {}},
        {"PlayItem|4.5", "無效的項目編號", {}},                                                     // 3.5 to even: 4
        {"playitem|0.5", "『播放項目』指令已執行", {QStringLiteral("SongStarted /m/一.mp3")}},  // -0.5 to even: 0
        {"PlayItem|99999999999999999999", "無效的項目編號", {}},
    };
    for (const CommandCase& c : cases) expectCase(c);
}

TEST_F(RemoteCommandsTest, ListsOfThePlaylistAndTheBrowserFullAndEmpty) {
    rig.browser.folder = QStringLiteral("/music/");
    rig.browser.names = {QStringLiteral("a.mp3"), QStringLiteral("乙.wav")};
    const CommandCase full[] = {
        {"ListItem|", "/m/一.mp3\r\n/m/two.mp3\r\n/m/3.wav", {}},
        {"listitempath|x", "/m/一.mp3\r\n/m/two.mp3\r\n/m/3.wav", {}},
        {"ListFileItem|", "路徑: /music/\r\na.mp3\r\n乙.wav", {}},
    };
    for (const CommandCase& c : full) expectCase(c);
    rig.playlist.entries.clear();
    rig.browser.names.clear();
    const CommandCase empty[] = {
        {"ListItem|", "PlayList中沒有歌曲存在", {}},
        {"ListItemPath|", "PlayList中沒有歌曲存在", {}},
        {"ListFileItem|", "資料夾沒有檔案存在", {}},
        {"PlayItem|1", "無效的項目編號", {}},
    };
    for (const CommandCase& c : empty) expectCase(c);
}

}  // namespace
