#include "app/CommandLine.h"

namespace {

// The port after --listen, when the next word is one; the remote's default
// port otherwise.
quint16 listenPortAt(const QStringList& arguments, qsizetype& index) {
    bool ok = false;
    const uint port = arguments.value(index + 1).toUInt(&ok);
    if (!ok || port > 65535) return 2450;
    ++index;
    return static_cast<quint16>(port);
}

}  // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine result;
    QStringList rest;
    bool switchesDone = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (!switchesDone) {
            if (arg == QLatin1String("--listen")) { result.listenPort = listenPortAt(arguments, i); continue; }
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
        "Usage: corvane-player [--echo-status] [--listen [PORT]] [path to a song]\n"
        "\n"
        "Plays the song given on the command line at start.\n"
        "\n"
        "  --echo-status   write every change of the status line to standard output\n"
        "                  (and, with --listen, every line of the remote host's log)\n"
        "  --listen [PORT] open the remote control window listening on PORT (2450);\n"
        "                  callers in neither address list are refused\n"
        "  --version       print the version and exit\n"
        "  --help          print this help and exit\n"
        "\n"
        "Environment:\n"
        "  CORVANE_DATA_DIR    data folder (default: <XDG data home>/Corvane Player)\n"
        "  CORVANE_AUDIO_SINK  GStreamer sink description replacing autoaudiosink\n");
}
