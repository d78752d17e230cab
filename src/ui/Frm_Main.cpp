#include "ui/Frm_Main.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <cstdio>

#include "app/AppServices.h"
#include "app/Frm_Version.h"
#include "app/MainWindowLifecycle.h"
#include "app/OptionMenus.h"
#include "app/PlayerAssembly.h"
#include "app/SafeModeOpener.h"
#include "browser/BrowserPanel.h"
#include "browser/InfoAreaPanel.h"
#include "browser/FileCommandMenus.h"
#include "browser/FolderListBox.h"
#include "browser/MoveCopyPanel.h"
#include "browser/PathBoxKeys.h"
#include "console/Frm_Command.h"
#include "id3/Frm_ID3Tag.h"
#include "lyrics/Frm_LyricFactory.h"
#include "remote/Frm_Remote.h"
#include "platform/qt/QtWindowLayering.h"
#include "playback/FileHistMenu.h"
#include "playback/TransportPanel.h"
#include "playlist/PlaylistPanel.h"
#include "rename/Frm_Rename.h"
#include "ui/FramePanel.h"
#include "ui/MainWindowLook.h"
#include "ui/StateInspectorPanel.h"
#include "ui/WindowMenus.h"
#include "ui/WindowModeController.h"
#include "ui/widgets/MenuOrder.h"
#include "ui/widgets/Placement.h"

namespace {

// Full-mode size of the window's client area, in twips.
constexpr int kFullWidthTwips = 12000;
constexpr int kFullHeightTwips = 8385;

}  // namespace

Frm_Main::Frm_Main(AppServices& services, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Frm_Main"));
    buildFrame();
    buildMenus();
    PathBox& pathBox = *this;
    OptionsSavedListener& checkerSaves = *this;
    lifecycleWindow_ =
        std::make_unique<MainWindowLifecycle>(this, pathBox, services.dialogs, services.launcher, checkerSaves);
    look_ = new MainWindowLook(this, canvas_);
    layering_ = std::make_unique<QtWindowLayering>(this);
    assembly_ = std::make_unique<PlayerAssembly>(
        services, PlayerAssembly::Frame{*this, *this, pathBox, *lifecycleWindow_, *look_, *layering_,
                                                              new Frm_LyricFactory(this)});
    buildPanels();
    buildAppMenus();
    const AppState& state = assembly_->state();
    setWindowTitle(state.VersionB + state.VersionT);
    resize(Twips::toPx(QSize(kFullWidthTwips, kFullHeightTwips)));
}

Frm_Main::~Frm_Main() {
    // The panels' widgets hold on to the parts, so they go first.
    delete takeCentralWidget();
}

void Frm_Main::buildFrame() {
    // The layout tables place every control at fixed twips positions, and
    // the window modes move them; so the canvas uses absolute geometry.
    canvas_ = new QWidget(this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    setCentralWidget(canvas_);

    txtFileLink_ = new QLineEdit(canvas_);
    txtFileLink_->setObjectName(QStringLiteral("txtFileLink"));
    txtFileLink_->setAccessibleName(QStringLiteral("檔案路徑"));
    placeAt(txtFileLink_, FramePanel::kFileLink);

    txtState_ = new QLineEdit(canvas_);
    txtState_->setObjectName(QStringLiteral("txtState"));
    txtState_->setAccessibleName(QStringLiteral("狀態"));
    txtState_->setReadOnly(true);
    placeAt(txtState_, FramePanel::kState);
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

void Frm_Main::buildPanels() {
    PlayerAssembly& a = *assembly_;
    new FileHistMenu(menu(MainMenu::File), a.songPlayer(), a.state(), a.transportModel(), this);
    ModeWindow& modeWindow = *this;
    modes_ = std::make_unique<WindowModeController>(
        a.state(), WindowModeController::Seams{a.infoArea(), a.playlist(), modeWindow, a.services().screen});
    framePanel_ = std::make_unique<FramePanel>(txtFileLink_, txtState_);
    auto* browser = new BrowserPanel(canvas_, a.browser(), this);
    panels_ = {
        framePanel_.get(),
        new WindowMenus(*modes_, a.appearance(), this),
        new TransportPanel(a.transport(), a.transportModel(), canvas_),
        new StateInspectorPanel(canvas_, a.state(), a.timers(), a.media(), this),
        browser,
        new PlaylistPanel(canvas_, a.playlist(), a.state()),
        new MoveCopyPanel(canvas_, a.moveCopy(), browser->Drive2(), browser->Dir2()),
        new FileCommandMenus({a.fileCommands(), a.moveCopy(), a.folderShortcuts(), a.help()}, browser->Dir1(), this),
    };
    // The information area takes the clicks of the browser's folder details.
    panels_ << new InfoAreaPanel(canvas_, a.infoArea(), a.lyricDisplay(), browser->lblDirDetails(), this);
    // The path box belongs to the frame; its keys open files as the browser's open button does.
    new PathBoxKeys(txtFileLink_, a.browser());
    for (MainPanel* panel : std::as_const(panels_)) {
        panel->addMenuEntries(*this);
        panel->registerTimers(a.timers());
        panel->applyWindowMode(static_cast<WindowMode>(a.state().WindowMode));
    }
}

void Frm_Main::buildAppMenus() {
    PlayerAssembly& a = *assembly_;
    new OptionMenus(a.options(), a.appearance(), menu(MainMenu::Options));
    auto* tagEditor = menu(MainMenu::Tools)->addAction(QStringLiteral("MP3 ID3 Tag 1 修改器"));
    tagEditor->setObjectName(QStringLiteral("mnuTools(0)"));
    connect(tagEditor, &QAction::triggered, this, [this] {
        // One editor at a time: the entry brings the open one forward.
        Frm_ID3Tag* editor = findChild<Frm_ID3Tag*>();
        if (!editor) {
            PlayerAssembly& a = *assembly_;
            AppServices& s = a.services();
            editor = new Frm_ID3Tag({s.dialogs, s.clipboard, s.clock, a.state()},
                                    {a.browser(), a.playlist(), a.transport(), a.media(), *this, *this}, this);
            editor->setAttribute(Qt::WA_DeleteOnClose);
        }
        editor->show();
        editor->activateWindow();
    });
    menu(MainMenu::Tools)->addAction(lifecycleWindow_->safeMode().menuEntry());
    AppServices& services = a.services();
    Frm_Command::addMenuEntry(menu(MainMenu::Tools),
                              {a.media(), a.state(), a.transport(), services.clock, *lifecycleWindow_}, this);
    Frm_Remote::addMenuEntry(menu(MainMenu::Tools), {a.songPlayer(), a.transport(), a.playlist(), a.browser()},
                             services.dialogs, services.clock, this);
    addLyricEditorEntries();
    Frm_Rename::addMenuEntry(menu(MainMenu::File), a.browser(), services.dialogs, services.files, this);
    menu(MainMenu::File)->addSeparator();
    menu(MainMenu::File)->addAction(MainWindowLifecycle::createForceEndAction(a.lifecycle(), this));
    auto* about = new QAction(QStringLiteral("版本資訊"), menu(MainMenu::Help));
    MenuOrder::insert(menu(MainMenu::Help), about, QStringLiteral("mnuHelp"), 2);
    connect(about, &QAction::triggered, this, [this] {
        auto* box = new Frm_Version(assembly_->state(), assembly_->services().clipboard, this, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    });
}

void Frm_Main::addLyricEditorEntries() {
    // Present from the start; they work once the editor exists.
    LyricEditorOpener& editor = assembly_->lyricEditor();
    const struct {
        int index;
        QString caption;
        void (LyricEditorOpener::*show)();
    } entries[] = {
        {1, QStringLiteral("歌詞編輯器"), &LyricEditorOpener::showLyricEditor},
        {3, QStringLiteral("編輯資料夾捷徑 (DirFav.ini)"), &LyricEditorOpener::showDirFavEditor},
    };
    for (const auto& entry : entries) {
        auto* action = new QAction(entry.caption, menu(MainMenu::Tools));
        MenuOrder::insert(menu(MainMenu::Tools), action, QStringLiteral("mnuTools"), entry.index);
        action->setEnabled(editor.available());
        connect(action, &QAction::triggered, this, [&editor, show = entry.show] { (editor.*show)(); });
    }
}

QMenu* Frm_Main::menu(MainMenu which) const { return menus_[static_cast<int>(which)]; }

WindowControl& Frm_Main::windowControl() { return *lifecycleWindow_; }

bool Frm_Main::Form_Load(const QString& commandLine) {
    // The whole command line is the path, as a shell that opens a song with
    // the player passes it.
    return assembly_->lifecycle().Form_Load(commandLine);
}

void Frm_Main::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    assembly_->lifecycle().Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void Frm_Main::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    assembly_->lifecycle().Form_Resize();
}

void Frm_Main::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Coming back from the minimised state counts as a resize.
    if (event->type() == QEvent::WindowStateChange) assembly_->lifecycle().Form_Resize();
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

QString Frm_Main::text() const { return txtFileLink_->text(); }

void Frm_Main::setText(const QString& text) { txtFileLink_->setText(text); }

void Frm_Main::optionsSaved() { assembly_->lifecycle().optionsSavedByChecker(); }

void Frm_Main::showNormalSized(QSize twips) {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    resize(Twips::toPx(twips));
}

void Frm_Main::maximize() { lifecycleWindow_->maximize(); }

void Frm_Main::applyWindowMode(WindowMode mode) {
    for (MainPanel* panel : std::as_const(panels_)) panel->applyWindowMode(mode);
}

bool Frm_Main::eventFilter(QObject* watched, QEvent* event) {
    // A double click on the status line selects all of it, ready to copy.
    if (watched == txtState_ && event->type() == QEvent::MouseButtonDblClick) {
        txtState_->selectAll();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
