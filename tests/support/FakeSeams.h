#pragma once

#include <QStringList>

#include "app/PassCountChoice.h"
#include "app/PathBox.h"
#include "browser/BrowserNavigation.h"
#include "browser/FileOpener.h"
#include "browser/InfoArea.h"
#include "common/PathText.h"
#include "ui/Appearance.h"

// Recording stand-ins for the seams between subsystems. Each keeps the calls
// it got in `calls`, as "name argument", so a test reads the order too.

class FakePathBox final : public PathBox {
public:
    QString text() const override { return value; }
    void setText(const QString& text) override {
        value = text;
        history << text;
    }
    QString value;
    QStringList history;
};

class FakeFileOpener final : public FileOpener {
public:
    void openByType(const QString& path) override { opened << path; }
    QStringList opened;
};

class FakeInfoArea final : public InfoArea {
public:
    InfoSection section() const override { return open; }
    bool isOpen(InfoSection section) const override { return section != InfoSection::None && section == open; }
    void SetFrameState(InfoSection section) override { open = section; }
    void showFileDetails(const QString& path) override { details << path; }
    InfoSection open = InfoSection::None;
    QStringList details;
};

class FakeBrowser final : public BrowserNavigation {
public:
    bool ChangeDirPath(const QString& path, bool isDir1) override {
        calls << QStringLiteral("ChangeDirPath %1 %2").arg(path).arg(int(isDir1));
        if (!canShow) return false;
        if (isDir1) folder = path;
        return true;
    }
    void refresh() override { calls << QStringLiteral("refresh"); }
    QString currentFolder() const override { return folder; }
    QStringList fileNames() const override { return names; }
    QStringList filePathsWithExtensions(const QStringList& extensions) const override {
        QStringList paths;
        for (const QString& name : names)
            if (extensions.contains(GetFileExt(name).toLower())) paths << folder + u'/' + name;
        return paths;
    }
    QStringList selectedFilePaths() const override { return selected; }
    QString currentFilePath() const override { return current; }

    QStringList calls;
    QString folder = QStringLiteral("/f");
    QStringList names;
    QStringList selected;
    QString current;
    bool canShow = true;
};

class FakePassCount final : public PassCountChoice {
public:
    void mnuOptComboList0_Click(int entry) override { entries << entry; }
    QList<int> entries;
};

class FakeAppearance final : public Appearance {
public:
    bool topMostChecked() const override { return topMost; }
    void SetBackground(qint16 mode, const QString& path) override {
        calls << QStringLiteral("SetBackground %1 %2").arg(mode).arg(path);
    }
    void mnuOptComboList3_Click(int entry) override { calls << QStringLiteral("mnuOptComboList3 %1").arg(entry); }
    bool topMost = false;
    QStringList calls;
};
