#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include "app/AppState.h"
#include "app/SongStarter.h"
#include "browser/BrowserPanel.h"
#include "browser/ClickLabel.h"
#include "browser/FileListBox.h"
#include "browser/FolderListBox.h"
#include "support/FakeServices.h"
#include "support/RecordingStatusLine.h"
#include "support/TempDir.h"

class RecordingSongStarter final : public SongStarter {
public:
    void SongStarted(const QString& path) override { started.append(path); }
    QStringList started;
};

class FixedDrives final : public DriveSource {
public:
    explicit FixedDrives(QList<DriveEntry> list) : list_(std::move(list)) {}
    QList<DriveEntry> drives() const override { return list_; }

private:
    QList<DriveEntry> list_;
};

// A browser on a canvas of the main window's size, over a generated tree,
// showing music/:
//   music/            A.MP3 b.mp3 c.wav notes.txt track2.mp3 track10.mp3
//   music/Jazz, music/Pop/a/b/c, music/Rock
//   usb/              (a drive)  x.mp3, Songs/
//   gone              (a drive that is not there)
class BrowserFixture : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"A.MP3", "b.mp3", "c.wav", "notes.txt", "track2.mp3", "track10.mp3"})
            dir.writeFile(QStringLiteral("music/") + QString::fromUtf8(name), "x");
        for (const char* folder : {"music/Jazz", "music/Pop/a/b/c", "music/Rock", "usb/Songs"})
            dir.makeDir(QString::fromUtf8(folder));
        dir.writeFile(QStringLiteral("usb/x.mp3"), "x");
        music = dir.path(QStringLiteral("music"));
        usb = dir.path(QStringLiteral("usb"));

        canvas.resize(800, 560);
        txtFileLink = new QLineEdit(&canvas);
        txtFileLink->setObjectName(QStringLiteral("txtFileLink"));
        txtFileLink->setGeometry(8, 488, 365, 20);
        auto drives = std::make_unique<FixedDrives>(QList<DriveEntry>{
            {QStringLiteral("/"), {}}, {usb, QStringLiteral("USB")}, {dir.path(QStringLiteral("gone")), {}}});
        BrowserHooks hooks;
        hooks.addSelectedToPlaylist = [this] { addedToPlaylist.append(panel->selectedFilePaths()); };
        hooks.showFileDetails = [this](const QString& path) { detailsShown.append(path); };
        hooks.openOther = [this](const QString& path, OpenGroup group) { openedOther.append({path, group}); };
        panel = new BrowserPanel(&canvas, state, fakes.services, status, txtFileLink, songs, hooks,
                                 std::move(drives));
        canvas.show();
        ASSERT_TRUE(panel->ChangeDirPath(music, true));
    }

    FolderListBox* dir1() const { return panel->Dir1(); }
    FileListBox* file1() const { return panel->File1(); }
    QString labelText() const { return panel->lblDirDetails()->text(); }
    QString inMusic(const char* name) const { return music + QStringLiteral("/") + QString::fromUtf8(name); }
    static QString counts(int folders, int files) { return QStringLiteral("總共%1個資料夾, %2個檔案").arg(folders).arg(files); }

    void clickDir(int index, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(dir1()->viewport(), button, {}, dirRowCenter(index));
    }
    // The events a real double click sends.
    static void doubleClick(QWidget* target, QPoint pos) {
        QTest::mouseClick(target, Qt::LeftButton, {}, pos);
        QTest::mouseDClick(target, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(target, Qt::LeftButton, {}, pos);
    }
    QPoint dirRowCenter(int index) const {
        return dir1()->visualItemRect(dir1()->item(dir1()->rows().rowOfIndex(index))).center();
    }
    QPoint fileRowCenter(int row) const { return file1()->visualRect(file1()->model()->index(row, 0)).center(); }
    void clickFile(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(file1()->viewport(), Qt::LeftButton, modifiers, fileRowCenter(row));
    }
    int fileRow(const QString& name) const { return static_cast<int>(file1()->names().indexOf(name)); }
    // Picks a drive as the user does.
    void chooseDrive(const QString& root) { panel->Drive1()->setCurrentIndex(panel->Drive1()->findData(root)); }

    TempDir dir;
    QString music;
    QString usb;
    FakeServices fakes;
    RecordingStatusLine status;
    RecordingSongStarter songs;
    AppState state;
    QStringList addedToPlaylist;
    QStringList detailsShown;
    QList<QPair<QString, OpenGroup>> openedOther;
    QWidget canvas;  // after everything the panel refers to: destroyed first
    QLineEdit* txtFileLink = nullptr;
    BrowserPanel* panel = nullptr;
};
