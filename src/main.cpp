#include <QApplication>

#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/PlayerAssembly.h"
#include "desktop/MprisService.h"
#include "remote/Frm_Remote.h"
#include "ui/Frm_Main.h"
#include "ui/RealServices.h"

namespace {

// Without any display the player still runs, on Qt's offscreen platform,
// so a run on a server or in CI shows its status lines instead of failing.
void chooseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::fprintf(stderr, "corvane-player: no display found, running on the offscreen platform\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (commandLine.showHelp) {
        std::fputs(CommandLine::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (commandLine.showVersion) {
        std::printf("corvane-player %s\n", CORVANE_VERSION);
        return 0;
    }

    chooseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvane-player"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvane Audio Player"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));

    RealServices real;

    Frm_Main window(real.services());
    real.dialogs().setParent(&window);
    // Media keys and the desktop's media widget, where a session bus exists.
    PlayerAssembly& parts = window.assembly();
    const std::unique_ptr<MprisService> mpris = MprisService::startOnSessionBus(
        parts.transport(), parts.playlist(), window.windowControl(), parts.songPlayer());
    window.setEchoStatus(commandLine.echoStatus);
    window.show();
    window.Form_Load(commandLine.path);
    if (commandLine.listenPort && !Frm_Remote::listenAtStart(&window, *commandLine.listenPort, commandLine.echoStatus))
        return 1;
    return QApplication::exec();
}
