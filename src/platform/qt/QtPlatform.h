#pragma once

#include "platform/Clipboard.h"
#include "platform/Launcher.h"
#include "platform/Screen.h"

// The Qt implementations of the small platform services.

class QtClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
    QString text() const override;
};

class QtLauncher final : public Launcher {
public:
    bool openPath(const QString& path) override;
    bool openUrl(const QString& url) override;
    bool runProgram(const QString& program, const QStringList& arguments) override;
    bool restartSelf(const QStringList& arguments) override;
};

class QtScreen final : public Screen {
public:
    QSize desktopSize() const override;
};
