#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do on its command line. Everything that is
// not one of the program's own switches is joined by single spaces into the
// one path to play: a desktop that passes "Blue Sky.mp3" as two words still
// gets the whole name.
struct CommandLine {
    bool showHelp = false;
    bool showVersion = false;
    bool echoStatus = false;
    // --listen [PORT]: the remote window's host listens from the start.
    std::optional<quint16> listenPort;
    QString path;

    static CommandLine parse(const QStringList& arguments);  // without the program name
    static QString helpText();
};
