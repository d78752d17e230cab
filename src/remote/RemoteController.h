#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

#include "remote/IpLists.h"
#include "remote/RemoteClient.h"
#include "remote/RemoteCommands.h"
#include "remote/RemoteHost.h"

class Clock;
class Dialogs;

// The players' parts a remote command reaches.
struct RemoteSeams {
    SongStarter& songs;
    Transport& transport;
    PlaylistAccess& playlist;
    BrowserNavigation& browser;
};

// What the remote window does on its buttons and lists: starts the host and
// the client, keeps the two logs and the address lists. The window copies
// its boxes in and draws the logs and lists out.
class RemoteController final : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 kDefaultPort = 2450;

    RemoteController(const RemoteSeams& seams, Dialogs& dialogs, const Clock& clock, QObject* parent = nullptr);
    ~RemoteController() override;

    // Port text with the spaces around it removed, as a port number.
    static std::optional<quint16> parsePort(const QString& text);
    // This machine's address as another machine would call it.
    static QString localAddress();
    static QString listCaption(int list);

    // False, after the critical message, when the port is not usable.
    bool listen(const QString& localIp, const QString& portText);
    bool connectAndSend(const QString& remoteIp, const QString& portText, const QString& command,
                        const QString& ownEndpoint);
    void disconnectBoth();

    void askToAddAddress(int list);
    void removeAddress(int list, int row);
    void clearTemporary();
    void saveAutomatic();
    void loadAutomatic();

    IpLists& lists() { return lists_; }
    RemoteHost& host() { return host_; }
    RemoteClient& client() { return client_; }
    const QStringList& hostLog() const { return hostLog_; }
    const QStringList& clientLog() const { return clientLog_; }
    // The time of day goes in front.
    void WriteRemoteLog(const QString& text, bool host);

signals:
    void logsChanged();
    // Each new host log line (a player nobody sits at echoes them).
    void hostLineWritten(const QString& line);
    void listsChanged();
    void replyShown(const QString& returnInfo);

private:
    void portError();
    void addLine(const QString& line, bool host);

    Dialogs& dialogs_;
    const Clock& clock_;
    IpLists lists_;
    RemoteCommands commands_;
    RemoteHost host_;
    RemoteClient client_;
    QStringList hostLog_;
    QStringList clientLog_;
};
