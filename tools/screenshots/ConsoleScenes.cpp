// The command console after two commands: the song's position asked for,
// then a play command for an alias that is not open, with its explanation.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <memory>

#include "Scene.h"
#include "app/AppState.h"
#include "app/LifecycleWindow.h"
#include "console/Frm_Command.h"
#include "playback/MultiMedia.h"
#include "playback/Transport.h"
#include "support/QuietSeams.h"

namespace {



// The parts the console drives live as long as the scene's program.
struct ConsoleSceneParts {
    explicit ConsoleSceneParts(AppServices& services) : media(services.mci), clock(services.clock) {}
    AppState state;
    MultiMedia media;
    QuietSeams player;  // no song plays; "END" is not typed in the scene
    Clock& clock;
};

QWidget* consoleAfterTwoCommands(AppServices& services) {
    static std::unique_ptr<ConsoleSceneParts> parts;
    parts = std::make_unique<ConsoleSceneParts>(services);
    auto* window = new Frm_Command({parts->media, parts->state, parts->player, parts->clock, parts->player});
    auto* command = window->findChild<QLineEdit*>(QStringLiteral("txtCommand"));
    // Key by key, as typing reaches the console.
    const auto type = [command](const QString& text) {
        command->clear();
        for (QChar key : text) {
            command->insert(key);
            emit command->textEdited(command->text());
        }
    };
    for (const char* line : {"status ZELSong position", "play nothing from 0"}) {
        type(QString::fromUtf8(line));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(command, &enter);
    }
    type(QStringLiteral("set Z"));
    return window;
}

SceneRegistrar scenes{{
    {QStringLiteral("command-console"), consoleAfterTwoCommands},
}};

}  // namespace
