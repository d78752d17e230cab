#pragma once

#include <QWidget>

#include "remote/RemoteController.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QMenu;
class QPushButton;

// "互聯網遙距控制": the host half (address, port, listen, log, the four
// address lists) and the client half (host to call, command, reply, log).
// It copies its boxes into the controller and draws the logs and lists.
class Frm_Remote : public QWidget {
    Q_OBJECT
public:
    Frm_Remote(const RemoteSeams& seams, Dialogs& dialogs, const Clock& clock, QWidget* parent = nullptr);

    // Adds "互聯網遙距控制" to the tools menu; one window at a time.
    static QAction* addMenuEntry(QMenu* menu, const RemoteSeams& seams, Dialogs& dialogs, const Clock& clock,
                                 QWidget* mainWindow);

    // Opens the window from the main window's menu entry with its host listening on `port` for a
    // player nobody sits at: callers in neither list are refused, and a
    // port that cannot be used is told on standard error, not in a box.
    // `echo` writes the host log to standard output too.
    static bool listenAtStart(QWidget* mainWindow, quint16 port, bool echo);

    RemoteController& controller() { return controller_; }
    // Starts the host as the listen button does; false when it could not.
    bool cmdListen_Click();
    void cmdConnect_Click();
    void cmdDisconnect_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildHost();
    void buildLists();
    void buildClient();
    QLineEdit* addBox(const char* objectName, const QString& name, const QString& text, int left, int top,
                      int width);
    QPushButton* addButton(const char* objectName, const QString& text, int left, int top, int width);
    QLabel* addLabel(const QString& text, int left, int top, int width, int height);
    QListWidget* addList(const QString& objectName, const QString& name, int left, int top, int width, int height);
    void showLogs();
    void showLists();

    RemoteController controller_;
    QLineEdit* txtLocalIP_ = nullptr;
    QLineEdit* txtLocalPort_ = nullptr;
    QLineEdit* txtRemoteIP_ = nullptr;
    QLineEdit* txtRemotePort_ = nullptr;
    QLineEdit* txtCommand_ = nullptr;
    QPlainTextEdit* txtReturnInfo_ = nullptr;
    QListWidget* listHostLog_ = nullptr;
    QListWidget* listClientLog_ = nullptr;
    QListWidget* listIP_[IpLists::kCount] = {};
};
