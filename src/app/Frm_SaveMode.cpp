#include "app/Frm_SaveMode.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/OptionFile.h"
#include "common/DataFolder.h"
#include "common/Twips.h"
#include "ui/widgets/AccessibleNames.h"

namespace {

constexpr int kWidthTwips = 14250;
constexpr int kHeightTwips = 7200;
const char* const kAttention = "attention";

// Chinese rows are drawn with a taller fallback font than "#TRUE#"; one
// height for every row keeps a value level with its option name.
int rowHeightPx(const QWidget* list) {
    return QFontMetrics(list->font()).boundingRect(QStringLiteral("變數 Ag#")).height() + 4;
}

void fill(QListWidget* list, const QStringList& rows) {
    const int selected = list->currentRow();
    list->clear();
    list->addItems(rows);
    const int height = rowHeightPx(list);
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSizeHint(QSize(0, height));
    if (selected >= 0 && selected < rows.size()) list->setCurrentRow(selected);
}

}  // namespace

Frm_SaveMode::Frm_SaveMode(Dialogs& dialogs, Launcher& launcher, QWidget* mainWindow, QAction* menuEntry,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), checker_(dialogs, launcher), mainWindow_(mainWindow), menuEntry_(menuEntry) {
    setObjectName(QStringLiteral("Frm_SaveMode"));
    setWindowTitle(QStringLiteral("安全模式"));
    endProgram = [] { QCoreApplication::exit(0); };

    auto* layout = new QVBoxLayout(this);
    grid_ = new QGridLayout;
    layout->addLayout(grid_, 1);
    buildLists();

    auto* note1 = new QLabel(QStringLiteral(
        "若要將\"原本變數\"內的項目複製至\"更改後的變數\"欄內，請先在\"更改後的變數\"欄內點選將要取代的變數，"
        "然後在\"原本變數\"欄內雙擊該目標(取代來源)變數。"));
    note1->setObjectName(QStringLiteral("lblNote1"));
    auto* note2 = new QLabel(QStringLiteral("本程式不涉及任何登錄檔(registry), 而本程式的變數、選項、歌詞都是儲存於[") +
                             DataFolder::displayName() + QStringLiteral("]資料夾內。"));
    note2->setObjectName(QStringLiteral("lblNote2"));
    for (QLabel* note : {note1, note2}) {
        AccessibleNames::nameLabel(note, QStringLiteral("說明"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    buttons_ = new QGridLayout;
    layout->addLayout(buttons_);
    buildButtons();
    resize(Twips::toPx(QSize(kWidthTwips, kHeightTwips)));
    showLists();
}

void Frm_SaveMode::buildLists() {
    listTmp_ = makeList("ListTMP", QStringLiteral("原本變數 (Option.ini)"), 0);
    listDefault_ = makeList("ListDefault", QStringLiteral("預設變數"), 1);
    listCurrent_ = makeList("ListCurrent", QStringLiteral("更改後的變數"), 2);
    listOptName_ = makeList("ListOptName", QStringLiteral("變數所對應之選項 (14項)"), 3);
    fill(listOptName_, OptionFile::optionNames());
    // The names are the longest texts; give them the room they need.
    grid_->setColumnStretch(0, 2);
    grid_->setColumnStretch(1, 2);
    grid_->setColumnStretch(2, 2);
    grid_->setColumnStretch(3, 3);
    connect(listCurrent_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ListCurrent_DblClick(listCurrent_->row(item)); });
    connect(listTmp_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ListTMP_DblClick(listTmp_->row(item)); });
}

QListWidget* Frm_SaveMode::makeList(const char* name, const QString& caption, int column) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(name));
    label->setAccessibleName(caption);
    auto* list = new QListWidget(this);
    list->setObjectName(QLatin1String(name));
    // A reader would take the name from the caption above only when asked;
    // the list carries it itself.
    list->setAccessibleName(caption);
    label->setBuddy(list);
    grid_->addWidget(label, 0, column);
    grid_->addWidget(list, 1, column);
    return list;
}

void Frm_SaveMode::buildButtons() {
    cmdAppDefOpt_ = makeButton("cmdAppDefOpt", QStringLiteral("載入預設選項"), &Frm_SaveMode::cmdAppDefOpt_Click);
    cmdCompareOpt_ = makeButton("cmdCompareOpt", QStringLiteral("升級舊的選項"), &Frm_SaveMode::cmdCompareOpt_Click);
    makeButton("cmdSaveNewOpt", QStringLiteral("儲存目前選項"), &Frm_SaveMode::cmdSaveNewOpt_Click);
    makeButton("cmdAppNewOpt", QStringLiteral("使用新的選項重新執行程式"), &Frm_SaveMode::cmdAppNewOpt_Click);
    makeButton("cmdReloadOpt", QStringLiteral("重新載入選項"), &Frm_SaveMode::cmdReloadOpt_Click);
    makeButton("cmdForceEntry", QStringLiteral("強行進入程式 (不儲存選項)"), &Frm_SaveMode::cmdForceEntry_Click);
}

QPushButton* Frm_SaveMode::makeButton(const char* name, const QString& caption, void (Frm_SaveMode::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    const int index = buttons_->count();
    buttons_->addWidget(button, index / 3, index % 3);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

bool Frm_SaveMode::isHighlighted(const QPushButton* button) {
    return button && button->property(kAttention).toBool();
}

void Frm_SaveMode::highlight(QPushButton* button) {
    button->setProperty(kAttention, true);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(210, 30, 30); color: white; "
                                         "border: 1px solid rgb(120, 0, 0); padding: 4px 10px; }"));
}

void Frm_SaveMode::Form_Load() {
    if (menuEntry_ && menuEntry_->data().toString() == QLatin1String("1")) {
        menuEntry_->setData(QStringLiteral("0"));
        checker_.Form_Load(true);
    } else {
        if (mainWindow_) mainWindow_->hide();
        switch (checker_.Form_Load(false)) {
        case OptionChecker::Attention::Upgrade: highlight(cmdCompareOpt_); break;
        case OptionChecker::Attention::Defaults: highlight(cmdAppDefOpt_); break;
        case OptionChecker::Attention::None: break;
        }
    }
    showLists();
}

void Frm_SaveMode::showLists() {
    fill(listTmp_, checker_.ListTMP());
    fill(listDefault_, checker_.ListDefault());
    fill(listCurrent_, checker_.ListCurrent());
}

void Frm_SaveMode::cmdAppDefOpt_Click() {
    checker_.cmdAppDefOpt_Click();
    showLists();
}

void Frm_SaveMode::cmdCompareOpt_Click() {
    checker_.cmdCompareOpt_Click();
    showLists();
}

void Frm_SaveMode::cmdSaveNewOpt_Click() {
    const int before = checker_.savedFiles();
    checker_.cmdSaveNewOpt_Click();
    announceSave(before);
}

void Frm_SaveMode::cmdAppNewOpt_Click() {
    const int before = checker_.savedFiles();
    const bool restarted = checker_.cmdAppNewOpt_Click();
    // A restart that could not start leaves this copy running on the saved file.
    announceSave(before);
    if (restarted && endProgram) endProgram();
}

void Frm_SaveMode::announceSave(int savesBefore) {
    if (checker_.savedFiles() != savesBefore) emit optionsSaved();
}

void Frm_SaveMode::cmdReloadOpt_Click() {
    checker_.cmdReloadOpt_Click();
    showLists();
}

void Frm_SaveMode::cmdForceEntry_Click() { close(); }

void Frm_SaveMode::ListCurrent_DblClick(int row) {
    checker_.ListCurrent_DblClick(row);
    showLists();
}

void Frm_SaveMode::ListTMP_DblClick(int row) {
    const QList<QListWidgetItem*> selected = listCurrent_->selectedItems();
    const int currentRow = selected.isEmpty() ? -1 : listCurrent_->row(selected.first());
    checker_.ListTMP_DblClick(row, currentRow);
    showLists();
}

void Frm_SaveMode::showMainWindow() {
    if (!mainWindow_) return;
    // Shown before this window goes, so the program never has no window.
    mainWindow_->setWindowState(mainWindow_->windowState() & ~Qt::WindowMinimized);
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

void Frm_SaveMode::closeEvent(QCloseEvent* event) {
    showMainWindow();
    event->accept();
}
