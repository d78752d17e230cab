// Renders the player's windows offscreen into PNG files so their layout can
// be looked at without a display. Each scene builds a window in a known
// state and saves it under the scene's name.
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <memory>

#include "app/AppServices.h"
#include "platform/Clock.h"
#include "platform/ProcessWaveOut.h"
#include "platform/mci/MciEngine.h"
#include "platform/mci/MediaEngineFactory.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtPlatform.h"
#include "Scene.h"

std::vector<Scene>& sceneRegistry() {
    static std::vector<Scene> registry;
    return registry;
}

namespace {

bool save(QWidget* window, const QString& path) {
    window->show();
    QApplication::processEvents();
    return window->grab().save(path);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Corvane Audio Player"));
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outDir);

    QtDialogs dialogs;
    QtClipboard clipboard;
    QtLauncher launcher;
    SystemClock clock;
    QtScreen screen;
    ProcessWaveOut waveOut;
    const std::unique_ptr<MciEngine> mci = createMediaEngine(waveOut);
    AppServices services{dialogs, clipboard, launcher, clock, screen, *mci, waveOut};

    int failures = 0;
    for (const Scene& scene : sceneRegistry()) {
        QWidget* window = scene.build(services);
        const QString path = outDir + QLatin1Char('/') + scene.name + QStringLiteral(".png");
        if (!save(window, path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ++failures;
        }
        delete window;
    }
    return failures == 0 ? 0 : 1;
}
