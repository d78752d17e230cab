#include "desktop/MprisService.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>

#include "desktop/MprisAdaptors.h"

namespace {

const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Qt would try to start a bus of its own where none is set up; a player
// without a desktop session simply has no media keys.
bool sessionBusConfigured() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

}  // namespace

MprisService::MprisService(Transport& transport, PlaylistAccess& playlist, WindowControl& window, SongStarter& songs,
                           QObject* parent)
    : QObject(parent), transport_(transport), state_(transport, playlist), bus_(QString()) {
    new MprisRootAdaptor(this, window);
    new MprisPlayerAdaptor(this, state_, transport, playlist, songs);
    state_.changedSinceLast();  // the first signal tells only what changed after this
    transport_.addListener(this);
}

MprisService::~MprisService() {
    transport_.removeListener(this);
    if (!serviceName_.isEmpty()) bus_.unregisterService(serviceName_);
    if (bus_.isConnected()) bus_.unregisterObject(QLatin1String(kObjectPath));
}

bool MprisService::registerOn(const QDBusConnection& bus) {
    if (!bus.isConnected()) return false;
    bus_ = bus;
    if (!bus_.registerObject(QLatin1String(kObjectPath), this, QDBusConnection::ExportAdaptors)) return false;
    QString name = QLatin1String(kServiceName);
    if (!bus_.registerService(name)) {
        name += QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid());
        if (!bus_.registerService(name)) {
            bus_.unregisterObject(QLatin1String(kObjectPath));
            return false;
        }
    }
    serviceName_ = name;
    return true;
}

std::unique_ptr<MprisService> MprisService::startOnSessionBus(Transport& transport, PlaylistAccess& playlist,
                                                              WindowControl& window, SongStarter& songs) {
    if (!sessionBusConfigured()) return nullptr;
    auto service = std::make_unique<MprisService>(transport, playlist, window, songs);
    if (!service->registerOn(QDBusConnection::sessionBus())) return nullptr;
    return service;
}

void MprisService::transportChanged() {
    const QVariantMap changed = state_.changedSinceLast();
    if (changed.isEmpty() || serviceName_.isEmpty()) return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(kObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    bus_.send(signal);
}
