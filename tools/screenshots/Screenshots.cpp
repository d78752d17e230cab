// Renders the player's windows offscreen into PNG files so their layout can
// be looked at without a display. Each scene builds a window in a known
// state and saves it under the scene's name.
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <memory>

#include "app/AppServices.h"
#include "Scene.h"
#include "platform/Screen.h"
#include "ui/RealServices.h"

std::vector<Scene>& sceneRegistry() {
    static std::vector<Scene> registry;
    return registry;
}

namespace {

class FixedScreen final : public Screen {
public:
    QSize desktopSize() const override { return {1280, 1024}; }
};

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

    // A desktop wider than 800 pixels, so the main window keeps its own
    // size instead of starting maximised.
    FixedScreen screen;
    RealServices real(&screen);
    AppServices& services = real.services();

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
