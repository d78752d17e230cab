#include "remote/RemoteController.h"

#include <QHostAddress>
#include <QNetworkInterface>

#include "common/Numbers.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "remote/RemoteText.h"

RemoteController::RemoteController(const RemoteSeams& seams, Dialogs& dialogs, const Clock& clock, QObject* parent)
    : QObject(parent),
      dialogs_(dialogs),
      clock_(clock),
      commands_(seams.songs, seams.transport, seams.playlist, seams.browser),
      host_(commands_, lists_, dialogs, clock),
      client_(clock) {
    connect(&host_, &RemoteHost::logged, this, [this](const QString& line) { addLine(line, true); });
    connect(&host_, &RemoteHost::served, this, &RemoteController::listsChanged);
    connect(&client_, &RemoteClient::logged, this, [this](const QString& line) { addLine(line, false); });
    connect(&client_, &RemoteClient::finished, this, &RemoteController::replyShown);
}

RemoteController::~RemoteController() = default;

std::optional<quint16> RemoteController::parsePort(const QString& text) {
    bool ok = false;
    const double value = QString(text).remove(u' ').toDouble(&ok);
    if (!ok) return std::nullopt;
    return tryRoundTo<quint16>(value);
}

QString RemoteController::localAddress() {
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) return address.toString();
    return QStringLiteral("127.0.0.1");
}

QString RemoteController::listCaption(int list) {
    static const char16_t* const captions[IpLists::kCount] = {u"自動接受的IP", u"自動拒絕的IP", u"暫時接受的IP",
                                                              u"暫時拒絕的IP"};
    return QString::fromUtf16(captions[qBound(0, list, IpLists::kCount - 1)]);
}

void RemoteController::portError() {
    dialogs_.messageBox(QStringLiteral("不正確的Port屬性值。"), MsgButtons::Ok, MsgIcon::Critical);
}

void RemoteController::WriteRemoteLog(const QString& text, bool host) {
    addLine(RemoteText::logLine(clock_.timeOfDay(), text), host);
}

void RemoteController::addLine(const QString& line, bool host) {
    (host ? hostLog_ : clientLog_) << line;
    if (host) emit hostLineWritten(line);
    emit logsChanged();
}

bool RemoteController::listen(const QString& localIp, const QString& portText) {
    const std::optional<quint16> port = parsePort(portText);
    if (!port) {
        portError();
        return false;
    }
    client_.close();
    if (!host_.listen(QHostAddress::Any, *port)) {
        portError();
        return false;
    }
    WriteRemoteLog(QStringLiteral("本機正在線上 [") + localIp + u':' + portText + u']', true);
    return true;
}

bool RemoteController::connectAndSend(const QString& remoteIp, const QString& portText, const QString& command,
                                      const QString& ownEndpoint) {
    const std::optional<quint16> port = parsePort(portText);
    if (!port || *port == 0) {
        portError();
        return false;
    }
    client_.connectAndSend(remoteIp, *port, command, ownEndpoint);
    return true;
}

void RemoteController::disconnectBoth() {
    client_.close();
    host_.close();
    WriteRemoteLog(QStringLiteral("本機已經離線"), true);
}

void RemoteController::askToAddAddress(int list) {
    const QString answer = dialogs_.inputBox(QStringLiteral("請輸入要新增的IP至 [") + listCaption(list) + u']',
                                             QStringLiteral("新增IP至ListBox"));
    const QString address = QString(answer).remove(u' ');
    if (address.isEmpty()) return;
    lists_.append(list, address);
    emit listsChanged();
}

void RemoteController::removeAddress(int list, int row) {
    lists_.removeAt(list, row);
    emit listsChanged();
}

void RemoteController::clearTemporary() {
    lists_.clearTemporary();
    emit listsChanged();
}

void RemoteController::saveAutomatic() {
    QString error;
    if (!lists_.save(IpLists::defaultPath(), &error))
        dialogs_.messageBox(error, MsgButtons::Ok, MsgIcon::Critical);
}

void RemoteController::loadAutomatic() {
    lists_.load(IpLists::defaultPath());
    emit listsChanged();
}
