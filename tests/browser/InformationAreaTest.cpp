#include <gtest/gtest.h>

#include "InfoAreaWorld.h"
#include "support/QStringPrinter.h"

namespace {

class InformationAreaTest : public ::testing::Test, protected InfoAreaWorld {
protected:
    QStringList detailLines() const { return info.detailsText().split(QStringLiteral("\r\n")); }
};

// Each state moves the headers and frames as the table says and sets the
// flags of its section alone; the state in force changes nothing.
TEST_F(InformationAreaTest, SetFrameStatePlacesTheSectionsAndFlags) {
    using S = InfoSection;
    const struct {
        S state;
        int tops[3], heights[3];
        bool flags[3];
    } rows[] = {
        {S::Details, {1470, 4950, 5430}, {3255, 255, 255}, {true, false, false}},
        {S::Lyric, {1470, 1950, 5430}, {255, 3255, 255}, {false, true, false}},
        {S::Remote, {1470, 1950, 2430}, {255, 255, 3255}, {false, false, true}},
        {S::None, {1470, 1950, 2430}, {255, 255, 255}, {false, false, false}},
    };
    int changes = 0;
    QObject::connect(&info, &InformationArea::sectionsChanged, [&] { ++changes; });
    for (const auto& row : rows) {
        SCOPED_TRACE(int(row.state));
        info.SetFrameState(row.state);
        EXPECT_EQ(state.FrameState, quint8(row.state));
        const S sections[3] = {S::Details, S::Lyric, S::Remote};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(info.sectionPlace(sections[i]).headerTop, row.tops[i]) << i;
            EXPECT_EQ(info.sectionPlace(sections[i]).frameHeight, row.heights[i]) << i;
            EXPECT_EQ(info.isOpen(sections[i]), row.flags[i]) << i;
        }
    }
    EXPECT_EQ(changes, 4);
    info.setLyricFlag(true);  // as the lyric-viewing mode does with no section open
    info.SetFrameState(S::None);
    EXPECT_TRUE(info.isOpen(S::Lyric)) << "the state in force changes not even the flags";
    EXPECT_EQ(changes, 5);
}

// The details header opens its section with the song's details (or the
// status message without a song) and closes all on the next click; the
// other headers take turns with it.
TEST_F(InformationAreaTest, HeaderClicksOpenOneSectionAtATime) {
    info.lblDetailsSwt_Click();
    EXPECT_EQ(info.section(), InfoSection::Details);
    EXPECT_EQ(status.status(), QStringLiteral("沒有路徑可供載入或路徑不存在."));
    info.lblDetailsSwt_Click();
    EXPECT_EQ(info.section(), InfoSection::None);

    state.PSongLink = file(QStringLiteral("Blue Sky.wav"), 2560);
    info.lblDetailsSwt_Click();
    EXPECT_EQ(detailLines().value(0), QStringLiteral("檔案名:  Blue Sky"));
    info.lblInternetSwt_Click();
    EXPECT_EQ(info.section(), InfoSection::Remote);
    EXPECT_FALSE(info.isOpen(InfoSection::Details));
    info.lblInternetSwt_Click();
    EXPECT_EQ(info.section(), InfoSection::None);
}

// Clicks in the browser and the playlist show details only while the
// details section is open; the load links take the path box, the song and
// the selection.
TEST_F(InformationAreaTest, DetailsFollowClicksOnlyWhileOpen) {
    const QString song = file(QStringLiteral("b.wav"), 8192);
    info.showFileDetails(song);
    EXPECT_EQ(info.detailsText(), QStringLiteral("Details"));
    info.SetFrameState(InfoSection::Details);
    info.showFileDetails(song);
    EXPECT_EQ(detailLines().value(3), QStringLiteral("檔案大小:  8.00 KB    0.01 MB"));

    pathBox.value = QStringLiteral("   ");
    info.lblLoadDetails_Click(0);
    EXPECT_EQ(status.status(), QStringLiteral("沒有路徑可供載入或路徑不存在."));
    EXPECT_EQ(detailLines().value(3), QStringLiteral("檔案大小:  8.00 KB    0.01 MB")) << "details unchanged";
    pathBox.value = dir.path(QStringLiteral("gone.wav"));
    info.lblLoadDetails_Click(0);
    EXPECT_EQ(status.history.size(), 2);

    info.lblLoadDetails_Click(2);
    EXPECT_EQ(status.status(), QStringLiteral("沒有選擇任何檔案"));
    browser.folder = dir.path();
    browser.selected = {file(QStringLiteral("x"), 1536), file(QStringLiteral("y"), 1024)};
    info.lblLoadDetails_Click(2);
    EXPECT_EQ(detailLines(), (QStringList{"共選擇了2個檔案.", "路徑:  " + dir.path() + "/", "總共檔案大小:  ",
                                          "2.5 KB", "0.00244140625 MB"}));
    browser.selected << dir.path(QStringLiteral("removed"));
    info.lblLoadDetails_Click(2);
    EXPECT_EQ(detailLines().value(0), QStringLiteral("共選擇了3個檔案."));
    EXPECT_EQ(detailLines().value(3), QStringLiteral("2.5 KB"));
    EXPECT_TRUE(status.status().startsWith(QStringLiteral("有1個"))) << status.status().toStdString();
}

// An MP3 shows an empty line, its tag line, the lyric line and its length:
// the song's own length when it is the song now loaded, otherwise
// measured; the lyric line and the tag follow the lyric folder.
TEST_F(InformationAreaTest, Mp3DetailsShowTagLengthAndLyric) {
    QByteArray tagged(1000, 'x');
    QByteArray tag("TAG");
    tag += QByteArray("Title").leftJustified(30, '\0') + QByteArray("Artist").leftJustified(30, '\0') +
           QByteArray(30 + 4 + 30, '\0') + QByteArray(1, char(255));
    tagged += tag;
    const QString mp3 = dir.writeFile(QStringLiteral("Blue Sky.mp3"), tagged);
    const QString plain = file(QStringLiteral("Other.mp3"), 1000);
    writeLyric(QStringLiteral("Blue Sky"));
    state.PSongLink = mp3;
    state.PSongLenL = 61234;
    mci.onCommand = [](const QString& command, MciReply& reply) {
        if (command.contains(QLatin1String("length"), Qt::CaseInsensitive)) reply.text = QStringLiteral("2500");
    };
    info.SetFrameState(InfoSection::Details);
    info.lblLoadDetails_Click(1);
    EXPECT_TRUE(detailLines().value(8).startsWith(QStringLiteral("MP3資料:  Title|Artist|"))) << detailLines().value(8).toStdString();
    EXPECT_EQ(detailLines().value(9), QStringLiteral("★歌詞檔存在★ [Blue Sky.lyr]"));
    EXPECT_EQ(detailLines().value(10), QStringLiteral("歌曲長度:  1:01.23"));
    EXPECT_EQ(info.detailsTag(), DataFolder::lyricFileFor(QStringLiteral("Blue Sky")));

    info.showFileDetails(plain);
    EXPECT_EQ(detailLines().mid(7), (QStringList{"", "MP3資料:  ", "歌詞檔不存在", "歌曲長度:  0:02.50"}));
    EXPECT_EQ(info.detailsTag(), DataFolder::lyricFileFor(QStringLiteral("Other")));
}

// Left on the details copies them; right hands their lyric to the editor.
// Left on the folder details refreshes the browser, right opens the folder.
TEST_F(InformationAreaTest, ClicksOnTheDetailsAndTheFolderDetails) {
    info.SetFrameState(InfoSection::Details);
    info.showFileDetails(file(QStringLiteral("Blue Sky.wav"), 10));
    info.lblFileDetails_MouseUp(Qt::LeftButton);
    EXPECT_EQ(clipboard.text(), info.detailsText());
    EXPECT_EQ(clipboard.clears, 1);
    info.lblFileDetails_MouseUp(Qt::RightButton);
    EXPECT_EQ(editor.opened, QStringList{DataFolder::lyricFileFor(QStringLiteral("Blue Sky"))});
    EXPECT_EQ(state.OpenLyricLink, editor.opened.value(0));
    info.lblFileDetails_MouseUp(Qt::MiddleButton);
    EXPECT_EQ(editor.opened.size(), 1);

    info.lblDirDetails_MouseUp(Qt::LeftButton);
    EXPECT_EQ(browser.calls, QStringList{"refresh"});
    info.lblDirDetails_MouseUp(Qt::RightButton);
    EXPECT_EQ(launcher.openedPaths, QStringList{browser.folder});
    launcher.succeed = false;
    info.lblDirDetails_MouseUp(Qt::RightButton);
    EXPECT_TRUE(status.history.isEmpty()) << "a failed start of the file manager is ignored";
}

}  // namespace
