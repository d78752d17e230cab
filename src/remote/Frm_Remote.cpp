#include "remote/Frm_Remote.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdio>

#include "ui/widgets/Placement.h"

namespace {

constexpr int kRow = 330;  // twips of one control row
const QString kDefaultPortText = QStringLiteral("2450");

QString commandSummary() {
    return QStringList{QStringLiteral("指令一覽:"), QStringLiteral("c=command 指令"), QStringLiteral("p=parameter 資料"),
                       QStringLiteral("有效的指令: c|p"), QString(), QStringLiteral("Play|Link"),
                       QStringLiteral("Stop|"), QStringLiteral("PlayItem|No."), QStringLiteral("echo|Message"),
                       QStringLiteral("ListItem|"), QStringLiteral("ListItemPath|"), QStringLiteral("ListFileItem|"),
                       QString(), QStringLiteral("e.g. echo|hi"), QStringLiteral("e.g. ListItem|")}
        .join(u'\n');
}

}  // namespace

Frm_Remote::Frm_Remote(const RemoteSeams& seams, Dialogs& dialogs, const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window), controller_(seams, dialogs, clock) {
    setObjectName(QStringLiteral("Frm_Remote"));
    setWindowTitle(QStringLiteral("互聯網遙距控制"));
    resize(Twips::toPx(9600), Twips::toPx(8400));
    buildHost();
    buildLists();
    buildClient();
    connect(&controller_, &RemoteController::logsChanged, this, &Frm_Remote::showLogs);
    connect(&controller_, &RemoteController::listsChanged, this, &Frm_Remote::showLists);
    connect(&controller_, &RemoteController::replyShown, txtReturnInfo_, &QPlainTextEdit::setPlainText);
    controller_.loadAutomatic();
}

QAction* Frm_Remote::addMenuEntry(QMenu* menu, const RemoteSeams& seams, Dialogs& dialogs, const Clock& clock,
                                  QWidget* mainWindow) {
    QAction* entry = menu->addAction(QStringLiteral("互聯網遙距控制"));
    entry->setObjectName(QStringLiteral("mnuTools(5)"));
    QObject::connect(entry, &QAction::triggered, mainWindow, [seams, &dialogs, &clock, mainWindow] {
        auto* window = mainWindow->findChild<Frm_Remote*>();
        if (!window) {
            window = new Frm_Remote(seams, dialogs, clock, mainWindow);
            window->setAttribute(Qt::WA_DeleteOnClose);
        }
        window->show();
        window->activateWindow();
    });
    return entry;
}

bool Frm_Remote::listenAtStart(QWidget* mainWindow, quint16 port, bool echo) {
    auto* entry = mainWindow->findChild<QAction*>(QStringLiteral("mnuTools(5)"));
    if (entry) entry->trigger();
    auto* window = mainWindow->findChild<Frm_Remote*>();
    if (!window) {
        std::fputs("corvane-player: the remote control window is missing\n", stderr);
        return false;
    }
    RemoteController& remote = window->controller_;
    remote.host().setUnknownCallers(RemoteHost::UnknownCallers::Refuse);
    if (echo) {
        connect(&remote, &RemoteController::hostLineWritten, window, [](const QString& line) {
            std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
            std::fflush(stdout);
        });
    }
    window->txtLocalPort_->setText(QString::number(port));
    if (!remote.host().listen(QHostAddress::Any, port)) {
        std::fprintf(stderr, "corvane-player: cannot listen on port %u: %s\n", unsigned{port},
                     remote.host().errorString().toLocal8Bit().constData());
        return false;
    }
    remote.WriteRemoteLog(QStringLiteral("本機正在線上 [") + window->txtLocalIP_->text() + u':' +
                              window->txtLocalPort_->text() + u']',
                          true);
    return true;
}

QLineEdit* Frm_Remote::addBox(const char* objectName, const QString& name, const QString& text, int left, int top,
                              int width) {
    auto* box = new QLineEdit(text, this);
    box->setObjectName(QLatin1String(objectName));
    box->setAccessibleName(name);
    placeAt(box, {left, top, width, kRow - 30});
    return box;
}

QPushButton* Frm_Remote::addButton(const char* objectName, const QString& text, int left, int top, int width) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(objectName));
    button->setAccessibleName(text);
    placeAt(button, {left, top, width, kRow});
    return button;
}

QLabel* Frm_Remote::addLabel(const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, this);
    label->setAccessibleName(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeAt(label, {left, top, width, height});
    return label;
}

QListWidget* Frm_Remote::addList(const QString& objectName, const QString& name, int left, int top, int width,
                                 int height) {
    auto* list = new QListWidget(this);
    list->setObjectName(objectName);
    list->setAccessibleName(name);
    placeAt(list, {left, top, width, height});
    return list;
}

void Frm_Remote::buildHost() {
    addLabel(QStringLiteral("本機IP:"), 120, 120, 900, kRow);
    txtLocalIP_ = addBox("txtLocalIP", QStringLiteral("本機IP"), RemoteController::localAddress(), 1020, 120, 1800);
    addLabel(QStringLiteral("Port:"), 2900, 120, 600, kRow);
    txtLocalPort_ = addBox("txtLocalPort", QStringLiteral("本機Port"), kDefaultPortText, 3500, 120, 900);
    auto* listen = addButton("cmdListen", QStringLiteral("立即上線 (Listening)"), 120, 480, 2400);
    connect(listen, &QPushButton::clicked, this, &Frm_Remote::cmdListen_Click);
    auto* off = addButton("cmdDisconnect", QStringLiteral("立即離線"), 2640, 480, 1760);
    connect(off, &QPushButton::clicked, this, &Frm_Remote::cmdDisconnect_Click);
    listHostLog_ = addList(QStringLiteral("listHostLog"), QStringLiteral("主機記錄"), 120, 900, 4280, 2400);
}

void Frm_Remote::buildLists() {
    for (int i = 0; i < IpLists::kCount; ++i) {
        const int left = 120 + (i % 2) * 2160;
        const int top = 3420 + (i / 2) * 1560;
        addLabel(RemoteController::listCaption(i), left, top, 2100, 280);
        listIP_[i] = addList(QStringLiteral("listIP(%1)").arg(i), RemoteController::listCaption(i), left, top + 280,
                             2100, 1200);
        listIP_[i]->viewport()->installEventFilter(this);
    }
    addLabel(QStringLiteral("雙擊左鍵: 新增項目\r\n右鍵: 移除所選項目"), 120, 6600, 4280, 500);
    auto* clear = addButton("cmdClearTMPIP", QStringLiteral("清空暫存IP"), 120, 7140, 2100);
    connect(clear, &QPushButton::clicked, &controller_, &RemoteController::clearTemporary);
    auto* save = addButton("cmdSaveDefineIP", QStringLiteral("儲存自動接受/拒絕IP"), 2280, 7140, 2120);
    connect(save, &QPushButton::clicked, &controller_, &RemoteController::saveAutomatic);
}

void Frm_Remote::buildClient() {
    addLabel(QStringLiteral("遙距IP:"), 4800, 120, 900, kRow);
    txtRemoteIP_ = addBox("txtRemoteIP", QStringLiteral("遙距IP"), QString(), 5700, 120, 1800);
    addLabel(QStringLiteral("Port:"), 7580, 120, 600, kRow);
    txtRemotePort_ = addBox("txtRemotePort", QStringLiteral("遙距Port"), kDefaultPortText, 8180, 120, 900);
    txtCommand_ = addBox("txtCommand", QStringLiteral("指令"), QString(), 4800, 480, 4280);
    auto* go = addButton("cmdConnect", QStringLiteral("立即連接並發出指令 (Connect)"), 4800, 840, 4280);
    connect(go, &QPushButton::clicked, this, &Frm_Remote::cmdConnect_Click);
    addLabel(QStringLiteral("傳回的資料:"), 4800, 1260, 4280, 280);
    // Replies such as the playlist's lines run over many lines.
    txtReturnInfo_ = new QPlainTextEdit(this);
    txtReturnInfo_->setObjectName(QStringLiteral("txtReturnInfo"));
    txtReturnInfo_->setAccessibleName(QStringLiteral("傳回的資料"));
    txtReturnInfo_->setReadOnly(true);
    placeAt(txtReturnInfo_, {4800, 1540, 4280, 1000});
    listClientLog_ = addList(QStringLiteral("listClientLog"), QStringLiteral("用戶端記錄"), 4800, 2620, 4280, 1400);
    addLabel(commandSummary(), 4800, 4080, 4280, 3600);
}

bool Frm_Remote::cmdListen_Click() {
    return controller_.listen(txtLocalIP_->text(), txtLocalPort_->text());
}

void Frm_Remote::cmdConnect_Click() {
    const QString own = txtLocalIP_->text() + u':' + txtLocalPort_->text();
    if (controller_.connectAndSend(txtRemoteIP_->text(), txtRemotePort_->text(), txtCommand_->text(), own))
        txtCommand_->selectAll();
}

void Frm_Remote::cmdDisconnect_Click() { controller_.disconnectBoth(); }

bool Frm_Remote::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < IpLists::kCount; ++i) {
        if (watched != listIP_[i]->viewport()) continue;
        if (event->type() == QEvent::MouseButtonDblClick) {
            controller_.askToAddAddress(i);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            controller_.removeAddress(i, listIP_[i]->currentRow());
            listIP_[i]->setCurrentRow(listIP_[i]->count() - 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Frm_Remote::closeEvent(QCloseEvent* event) {
    controller_.client().close();
    controller_.host().close();
    QWidget::closeEvent(event);
}

void Frm_Remote::showLogs() {
    const auto fill = [](QListWidget* list, const QStringList& lines) {
        for (int row = list->count(); row < lines.size(); ++row) list->addItem(lines.at(row));
        list->scrollToBottom();
    };
    fill(listHostLog_, controller_.hostLog());
    fill(listClientLog_, controller_.clientLog());
}

void Frm_Remote::showLists() {
    for (int i = 0; i < IpLists::kCount; ++i) {
        listIP_[i]->clear();
        listIP_[i]->addItems(controller_.lists().list(i));
    }
}
