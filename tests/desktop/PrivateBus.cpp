#include "PrivateBus.h"

#include <QDBusArgument>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTest>

#include "desktop/MprisService.h"

const QString PrivateBus::kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString PrivateBus::kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");

PrivateBus::PrivateBus() {
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!daemon_.waitForStarted(5000)) return;
    if (!QTest::qWaitFor([this] { return daemon_.canReadLine(); }, 5000)) return;
    address_ = QString::fromLocal8Bit(daemon_.readLine()).trimmed();
    QDBusConnection::connectToBus(address_, QStringLiteral("corvane-test-player"));
    QDBusConnection::connectToBus(address_, QStringLiteral("corvane-test-caller"));
    if (!player().isConnected() || !caller().isConnected()) address_.clear();
}

PrivateBus::~PrivateBus() {
    QDBusConnection::disconnectFromBus(QStringLiteral("corvane-test-caller"));
    QDBusConnection::disconnectFromBus(QStringLiteral("corvane-test-player"));
    daemon_.kill();
    daemon_.waitForFinished(5000);
}

QDBusMessage PrivateBus::call(const QString& interface, const QString& method, const QVariantList& args) const {
    QDBusMessage message = QDBusMessage::createMethodCall(QLatin1String(MprisService::kServiceName),
                                                          QLatin1String(MprisService::kObjectPath), interface, method);
    message.setArguments(args);
    QDBusPendingCall pending = caller().asyncCall(message, 5000);
    if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, 6000))
        return message.createErrorReply(QDBusError::Timeout, QStringLiteral("no answer"));
    return pending.reply();
}

QVariant PrivateBus::property(const QString& interface, const QString& name) const {
    const QDBusMessage reply = call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                    {interface, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    const QVariant value = reply.arguments().first().value<QDBusVariant>().variant();
    if (value.canConvert<QDBusArgument>()) return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value;
}

bool PrivateBus::setProperty(const QString& interface, const QString& name, const QVariant& value) const {
    const QDBusMessage reply = call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
                                    {interface, name, QVariant::fromValue(QDBusVariant(value))});
    return reply.type() == QDBusMessage::ReplyMessage;
}
