#include "ui/Frm_Main.h"

#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <cstdio>

#include "common/Twips.h"
#include "playback/FileHistMenu.h"
#include "playback/TransportPanel.h"
#include "ui/StateInspectorPanel.h"

namespace {

// Full-mode size of the window's client area, in twips.
constexpr int kFullWidthTwips = 12000;
constexpr int kFullHeightTwips = 8385;

}  // namespace

Frm_Main::Frm_Main(AppServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      media_(services.mci),
      playback_{state_, services_, media_, *this, *this, transportModel_, mmTimer_},
      songPlayer_(playback_),
      transport_(playback_, songPlayer_) {
    setObjectName(QStringLiteral("Frm_Main"));
    buildFrame();
    buildMenus();
    buildPlayback();
    setWindowTitle(baseCaption());
    resize(Twips::toPx(QSize(kFullWidthTwips, kFullHeightTwips)));
}

Frm_Main::~Frm_Main() {
    // The timers tick into members that are about to go.
    mmTimer_.set(0, false);
}

void Frm_Main::buildFrame() {
    // The layout tables place every control at fixed twips positions, and
    // the window modes move them; so the canvas uses absolute geometry.
    canvas_ = new QWidget(this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    setCentralWidget(canvas_);

    txtFileLink_ = new QLineEdit(canvas_);
    txtFileLink_->setObjectName(QStringLiteral("txtFileLink"));
    txtFileLink_->setGeometry(Twips::rectToPx(120, 7320, 5475, 300));

    txtState_ = new QLineEdit(canvas_);
    txtState_->setObjectName(QStringLiteral("txtState"));
    txtState_->setReadOnly(true);
    txtState_->setGeometry(Twips::rectToPx(6400, 7320, 5475, 300));
    txtState_->installEventFilter(this);
}

void Frm_Main::buildMenus() {
    const struct {
        MainMenu which;
        const char* objectName;
        QString title;
    } menus[] = {
        {MainMenu::File, "menuFile", QStringLiteral("檔案(&F)")},
        {MainMenu::Playlist, "menuPlaylist", QStringLiteral("PlayList(&L)")},
        {MainMenu::Play, "menuPlay", QStringLiteral("播放(&P)")},
        {MainMenu::Options, "menuOptions", QStringLiteral("選項(&O)")},
        {MainMenu::Mode, "menuMode", QStringLiteral("轉換模式(&A)")},
        {MainMenu::GoTo, "menuGoTo", QStringLiteral("移至(&M)")},
        {MainMenu::Tools, "menuTools", QStringLiteral("工具(&T)")},
        {MainMenu::Help, "menuHelp", QStringLiteral("說明(&H)")},
    };
    for (const auto& m : menus) {
        QMenu* menu = menuBar()->addMenu(m.title);
        menu->setObjectName(QLatin1String(m.objectName));
        menus_[static_cast<int>(m.which)] = menu;
    }
}

void Frm_Main::buildPlayback() {
    timers_.add(QStringLiteral("MMTimer"), &mmTimer_);
    transportPanel_ = new TransportPanel(transport_, transportModel_, canvas_);
    transportPanel_->addMenuEntries(menu(MainMenu::Play));

    fileHistMenu_ = new FileHistMenu(menu(MainMenu::File), [this](int i) { songPlayer_.mnuFileHist_Click(i); }, this);
    songPlayer_.onFileHistChanged = [this] { fileHistMenu_->refresh(state_.FileHist); };

    inspector_ = new StateInspectorPanel(canvas_, menu(MainMenu::Help), state_, timers_,
                                         [this] { return media_.MMGetPosition(QString()); }, this);
}

QMenu* Frm_Main::menu(MainMenu which) const { return menus_[static_cast<int>(which)]; }

void Frm_Main::Form_Load(const QString& commandLine) {
    state_.PLBackUpNo = 1;
    state_.WindowMode = 0;
    state_.ShiftConst[0] = 5700;
    setWindowTitle(baseCaption());
    txtFileLink_->setText(QStringLiteral("歡迎使用") + state_.VersionB + state_.VersionT);
    // The whole command line is the path, as a shell that opens a song with
    // the player passes it.
    if (!commandLine.trimmed().isEmpty()) songPlayer_.SongStarted(commandLine);
}

void Frm_Main::setStatus(const QString& text) {
    const bool changed = txtState_->text() != text;
    txtState_->setText(text);
    if (echoStatus_ && changed) {
        std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
        std::fflush(stdout);
    }
}

QString Frm_Main::status() const { return txtState_->text(); }

bool Frm_Main::eventFilter(QObject* watched, QEvent* event) {
    // A double click on the status line selects all of it, ready to copy.
    if (watched == txtState_ && event->type() == QEvent::MouseButtonDblClick) {
        txtState_->selectAll();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
