#include "app/CommandLine.h"

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine result;
    QStringList rest;
    bool switchesDone = false;
    for (const QString& arg : arguments) {
        if (!switchesDone) {
            if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) { result.showHelp = true; continue; }
            if (arg == QLatin1String("--version")) { result.showVersion = true; continue; }
            if (arg == QLatin1String("--echo-status")) { result.echoStatus = true; continue; }
            if (arg == QLatin1String("--")) { switchesDone = true; continue; }
        }
        switchesDone = true;
        rest.append(arg);
    }
    result.path = rest.join(QLatin1Char(' '));
    return result;
}

QString CommandLine::helpText() {
    return QStringLiteral(
        "Usage: corvane-player [--echo-status] [path to a song]\n"
        "\n"
        "Plays the song given on the command line at start.\n"
        "\n"
        "  --echo-status   write every change of the status line to standard output\n"
        "  --version       print the version and exit\n"
        "  --help          print this help and exit\n"
        "\n"
        "Environment:\n"
        "  CORVANE_DATA_DIR    data folder (default: <XDG data home>/Corvane Player)\n"
        "  CORVANE_AUDIO_SINK  GStreamer sink description replacing autoaudiosink\n");
}
