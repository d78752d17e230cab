#include "ui/Frm_Main.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <cstdio>

#include "common/Twips.h"

namespace {

// Full-mode size of the window's client area, in twips.
constexpr int kFullWidthTwips = 12000;
constexpr int kFullHeightTwips = 8385;

}  // namespace

Frm_Main::Frm_Main(AppServices& services, QWidget* parent) : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("Frm_Main"));
    buildFrame();
    buildMenus();
    setWindowTitle(baseCaption());
    resize(Twips::toPx(QSize(kFullWidthTwips, kFullHeightTwips)));
}

Frm_Main::~Frm_Main() = default;

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

QMenu* Frm_Main::menu(MainMenu which) const { return menus_[static_cast<int>(which)]; }

void Frm_Main::Form_Load(const QString& commandLine) {
    Q_UNUSED(commandLine);
    state_.PLBackUpNo = 1;
    state_.WindowMode = 0;
    state_.ShiftConst[0] = 5700;
    setWindowTitle(baseCaption());
    txtFileLink_->setText(QStringLiteral("歡迎使用") + state_.VersionB + state_.VersionT);
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
