#pragma once

#include <QString>
#include <QStringList>

// Starting other programs: the desktop's default program for a file or
// folder, the web browser, a program by path, and this program itself.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Opens a file or folder with the desktop's default program.
    virtual bool openPath(const QString& path) = 0;
    virtual bool openUrl(const QString& url) = 0;
    virtual bool runProgram(const QString& program, const QStringList& arguments = {}) = 0;
    // Starts a new copy of this program with the given arguments; the caller
    // then ends this one.
    virtual bool restartSelf(const QStringList& arguments = {}) = 0;
};
