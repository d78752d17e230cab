#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QString>
#include <QVariant>

// A session bus of the test's own (dbus-daemon), with a connection for the
// player and one for the caller. Calls go out asynchronously and are waited
// for with the event loop running, since the player answers in this thread.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool started() const { return !address_.isEmpty(); }
    QString address() const { return address_; }
    QDBusConnection player() const { return QDBusConnection(QStringLiteral("corvane-test-player")); }
    QDBusConnection caller() const { return QDBusConnection(QStringLiteral("corvane-test-caller")); }

    // A method of the player's object; the reply, or an error message on a timeout.
    QDBusMessage call(const QString& interface, const QString& method, const QVariantList& args = {}) const;
    // A property, demarshalled (a{sv} becomes a QVariantMap).
    QVariant property(const QString& interface, const QString& name) const;
    bool setProperty(const QString& interface, const QString& name, const QVariant& value) const;

    static const QString kRoot;
    static const QString kPlayer;

private:
    QProcess daemon_;
    QString address_;
};
