// Renders the player's windows offscreen into PNG files so their layout can
// be looked at without a display. Each scene builds a window in a known
// state and saves it under the scene's name.
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <functional>
#include <vector>

#include "app/AppServices.h"
#include "platform/Clock.h"
#include "platform/ProcessWaveOut.h"
#include "platform/mci/OfflineMciEngine.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtPlatform.h"
#include "ui/Frm_Main.h"

namespace {

struct Scene {
    const char* name;
    std::function<QWidget*(AppServices&)> build;
};

bool save(QWidget* window, const QString& path) {
    window->show();
    QApplication::processEvents();
    return window->grab().save(path);
}

std::vector<Scene> scenes() {
    return {
        {"main", [](AppServices& services) -> QWidget* {
             auto* window = new Frm_Main(services);
             window->Form_Load(QString());
             return window;
         }},
    };
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
    OfflineMciEngine mci;
    ProcessWaveOut waveOut;
    AppServices services{dialogs, clipboard, launcher, clock, screen, mci, waveOut};

    int failures = 0;
    for (const Scene& scene : scenes()) {
        QWidget* window = scene.build(services);
        const QString path = outDir + QLatin1Char('/') + QLatin1String(scene.name) + QStringLiteral(".png");
        if (!save(window, path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ++failures;
        }
        delete window;
    }
    return failures == 0 ? 0 : 1;
}
