#pragma once

#include <QStringList>

#include "platform/Launcher.h"

// Records every launch; returns `succeed` for all of them.
class FakeLauncher final : public Launcher {
public:
    bool openPath(const QString& path) override { openedPaths.append(path); return succeed; }
    bool openUrl(const QString& url) override { openedUrls.append(url); return succeed; }
    bool runProgram(const QString& program, const QStringList& arguments) override {
        programs.append(program);
        programArguments.append(arguments);
        return succeed;
    }
    bool restartSelf(const QStringList& arguments) override {
        ++restarts;
        restartArguments = arguments;
        return succeed;
    }

    bool succeed = true;
    QStringList openedPaths;
    QStringList openedUrls;
    QStringList programs;
    QList<QStringList> programArguments;
    int restarts = 0;
    QStringList restartArguments;
};
