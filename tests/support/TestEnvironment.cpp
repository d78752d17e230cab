#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir>& dataDir() {
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

}  // namespace

void prepareTestEnvironment() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("CORVANE_AUDIO_SINK")) qputenv("CORVANE_AUDIO_SINK", "fakesink sync=true");
    // Child processes (the player started by a test) inherit this.
    if (!qEnvironmentVariableIsSet("ASAN_OPTIONS")) qputenv("ASAN_OPTIONS", "detect_leaks=0");

    dataDir() = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/corvane-test-XXXXXX"));
    if (!dataDir()->isValid()) {
        std::fprintf(stderr, "cannot create a temporary data folder\n");
        std::exit(2);
    }
    const QString data = dataDir()->path() + QStringLiteral("/Corvane Player");
    QDir().mkpath(data);
    qputenv("CORVANE_DATA_DIR", data.toLocal8Bit());
    // The desktop trash and other per-user data of a test stay in the
    // temporary folder, never in the user's home.
    qputenv("XDG_DATA_HOME", (dataDir()->path() + QStringLiteral("/xdg-data")).toLocal8Bit());
}

// GStreamer, fontconfig and Qt keep process-wide caches until exit, which the
// leak checker would report; memory errors are still caught.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
