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

namespace {

// No song plays in the scene; the console only reads a position from it.
class IdleTransport final : public Transport {
public:
    void play() override {}
    void pause() override {}
    void stop() override {}
    void seekTo(qint32) override {}
    void setSpeed(int) override {}
    int speed() override { return 1000; }
    void setVolume(int) override {}
    int volume() const override { return 0; }
    Mode mode() override { return NoSong; }
    qint32 positionMs() override { return 0; }
    qint32 lengthMs() const override { return 0; }
    QString songPath() const override { return {}; }
    void addListener(TransportListener*) override {}
    void removeListener(TransportListener*) override {}
};

// "END" is not typed in the scene; the main window's other duties never come up.
class SceneMainWindow final : public LifecycleWindow {
public:
    void maximize() override {}
    void minimize() override {}
    bool isMinimized() const override { return false; }
    QSize size() const override { return {}; }
    void setCaption(const QString&) override {}
    void setWelcomeLine(const QString&) override {}
    void makeTopMost() override {}
    void showOptionChecker() override {}
    void closeOptionChecker() override {}
    void endProgram() override {}
};

// The parts the console drives live as long as the scene's program.
struct ConsoleSceneParts {
    explicit ConsoleSceneParts(AppServices& services) : media(services.mci), clock(services.clock) {}
    AppState state;
    MultiMedia media;
    IdleTransport transport;
    SceneMainWindow window;
    Clock& clock;
};

QWidget* consoleAfterTwoCommands(AppServices& services) {
    static std::unique_ptr<ConsoleSceneParts> parts;
    parts = std::make_unique<ConsoleSceneParts>(services);
    auto* window = new Frm_Command({parts->media, parts->state, parts->transport, parts->clock, parts->window});
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
