#include "ui/Frm_Main.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <cstdio>

#include <stdexcept>

#include "app/AppLifecycle.h"
#include "app/Frm_Version.h"
#include "app/MainWindowLifecycle.h"
#include "app/OptionMenus.h"
#include "app/SafeModeOpener.h"
#include "browser/BrowserPanel.h"
#include "common/Twips.h"
#include "playlist/PlaylistPanel.h"
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
      transport_(playback_, songPlayer_),
      options_(state_) {
    setObjectName(QStringLiteral("Frm_Main"));
    buildFrame();
    buildMenus();
    buildPlayback();
    buildOptions();
    buildBrowser();
    buildPlaylist();
    buildHelp();
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

void Frm_Main::buildOptions() {
    optionMenus_ = new OptionMenus(options_, menu(MainMenu::Options));
    safeMode_ = new SafeModeOpener(services_.dialogs, services_.launcher, this, this);
    menu(MainMenu::Tools)->addAction(safeMode_->menuEntry());
    lifecycleWindow_ = std::make_unique<MainWindowLifecycle>(this, txtFileLink_, *safeMode_);
    lifecycle_ = std::make_unique<AppLifecycle>(state_, options_, media_, services_.dialogs, services_.screen,
                                                *lifecycleWindow_);
    safeMode_->endProgram = [this] { lifecycle_->mnuForceEnd_Click(); };
    menu(MainMenu::File)->addSeparator();
    menu(MainMenu::File)->addAction(MainWindowLifecycle::createForceEndAction(*lifecycle_, this));
    lifecycle_->hooks.SongStarted = [this](const QString& path) { songPlayer_.SongStarted(path); };
}

void Frm_Main::buildBrowser() {
    browserPanel_ = new BrowserPanel(canvas_, state_, services_, *this, txtFileLink_, songPlayer_);
    browserPanel_->addFileSelectActions(menu(MainMenu::File));
    // A start folder that cannot be shown fails the start, so the option
    // checker lets the user correct it.
    options_.hooks.ChangeDirPath = [this](const QString& path, bool isDir1) {
        if (!browserPanel_->ChangeDirPath(path, isDir1))
            throw std::runtime_error("the start folder cannot be shown: " + path.toStdString());
    };
}

void Frm_Main::buildPlaylist() {
    playlistPanel_ = new PlaylistPanel(canvas_, state_, services_, *this, media_, songPlayer_);
    playlistPanel_->fillMenu(menu(MainMenu::Playlist));
    timers_.add(QStringLiteral("PlayListTimer"), &playlistPanel_->PlayListTimer());
    timers_.add(QStringLiteral("PLInfoTimer"), &playlistPanel_->PLInfoTimer());
    timers_.add(QStringLiteral("SongLenTimer"), &playlistPanel_->SongLenTimer());

    PlaylistHooks& hooks = playlistPanel_->hooks();
    hooks.refreshBrowser = [this] { browserPanel_->refresh(); };
    hooks.changeDirPath = [this](const QString& folder) { browserPanel_->ChangeDirPath(folder, true); };
    hooks.browserFiles = [this] { return browserPanel_->filePathsWithExtensions(); };
    hooks.setFileLink = [this](const QString& text) { txtFileLink_->setText(text); };
    // The playlist has put the path into the path box already.
    hooks.openByType = [this](const QString&) { browserPanel_->cmdPlaySpecificSong_Click(); };
    hooks.selectPassEntry = [this](int entry) { optionMenus_->mnuOptComboList0_Click(entry); };

    browserPanel_->hooks().addSelectedToPlaylist = [this] {
        playlistPanel_->playlist().commands().addPaths(browserPanel_->selectedFilePaths());
    };
    transportPanel_->setPlaylistHooks([this](int index) { playlistPanel_->Start(index); },
                                      [this] { playlistPanel_->Stop(); });

    options_.hooks.PLLoadFile = [this](const QString& path) { playlistPanel_->PLLoadFile(path, false); };
    lifecycle_->hooks.playlistCount = [this] { return playlistPanel_->playlist().entries().count(); };
    lifecycle_->hooks.PLSaveFile = [this](const QString& path) { playlistPanel_->PLSaveFile(path); };
    lifecycle_->hooks.mnuRefresh_Click = [this](int index) { playlistPanel_->mnuRefresh(index); };
}

void Frm_Main::buildHelp() {
    auto* about = menu(MainMenu::Help)->addAction(QStringLiteral("版本資訊"));
    about->setObjectName(QStringLiteral("mnuHelp2"));
    connect(about, &QAction::triggered, this, [this] {
        auto* box = new Frm_Version(state_, services_.clipboard, this, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    });
}

QMenu* Frm_Main::menu(MainMenu which) const { return menus_[static_cast<int>(which)]; }

bool Frm_Main::Form_Load(const QString& commandLine) {
    // The whole command line is the path, as a shell that opens a song with
    // the player passes it.
    return lifecycle_->Form_Load(commandLine);
}

void Frm_Main::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    lifecycle_->Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void Frm_Main::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    lifecycle_->Form_Resize();
}

void Frm_Main::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Coming back from the minimised state counts as a resize.
    if (event->type() == QEvent::WindowStateChange) lifecycle_->Form_Resize();
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
