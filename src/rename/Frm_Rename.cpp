#include "rename/Frm_Rename.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/Placement.h"

namespace {

constexpr int kWidthTwips = 9000;
constexpr int kHeightTwips = 7000;

constexpr TwipsRect kHeading{120, 120, 8700, 255};
constexpr TwipsRect kListBefore{120, 400, 4300, 3000};
constexpr TwipsRect kListAfter{4500, 400, 4300, 3000};
constexpr TwipsRect kTemplateLabel{120, 3520, 600, 255};
constexpr TwipsRect kTemplate{720, 3480, 3700, 300};
constexpr TwipsRect kEditLabel{4500, 3480, 4300, 255};
constexpr TwipsRect kEdit{4500, 3750, 4300, 300};
constexpr TwipsRect kNumberHeading{120, 3900, 4300, 255};
constexpr TwipsRect kNumberLabel{120, 4220, 1200, 255};
constexpr TwipsRect kRange[4] = {{1350, 4180, 700, 300}, {2100, 4180, 700, 300}, {1350, 4880, 700, 300}, {2100, 4880, 700, 300}};
constexpr TwipsRect kLengthLabel{2900, 4220, 900, 255};
constexpr TwipsRect kLength{3800, 4180, 620, 300};
constexpr TwipsRect kCodeHeading{120, 4600, 4300, 255};
constexpr TwipsRect kCodeLabel{120, 4920, 1200, 255};
constexpr TwipsRect kCodeRange{2900, 4880, 900, 300};
constexpr TwipsRect kCodeHint{120, 5250, 4300, 255};
constexpr TwipsRect kFunctionLabel{4500, 4180, 900, 255};
constexpr TwipsRect kFunctions{5400, 4180, 3400, 2250};
constexpr TwipsRect kDirectCopy{120, 5620, 2000, 420};
constexpr TwipsRect kExecute{2220, 5620, 2200, 420};
constexpr TwipsRect kStatus[2] = {{120, 6600, 4300, 255}, {4500, 6600, 4300, 255}};

const char* const kRangeNames[4] = {"txtRange0", "txtRange1", "txtRange2", "txtRange3"};

void setIfChanged(QLineEdit* box, const QString& text) {
    // Rewriting the box being typed in would move its cursor.
    if (box->text() != text) box->setText(text);
}

}  // namespace

Frm_Rename::Frm_Rename(BrowserNavigation& browser, Dialogs& dialogs, FileOperations& files, QWidget* parent)
    : QWidget(parent, Qt::Window), controller_(browser, dialogs, files) {
    setObjectName(QStringLiteral("Frm_Rename"));
    controller_.Form_Load();
    buildLists();
    buildTemplateBoxes();
    buildRangeBoxes();
    buildCommands();
    connectBoxes();
    setWindowTitle(controller_.caption());
    setAccessibleName(QStringLiteral("批次檔案命名"));
    setFixedSize(Twips::toPx(QSize(kWidthTwips, kHeightTwips)));
    listBefore_->addItems(controller_.before());
    showBoxes();
}

void Frm_Rename::addMenuEntry(QMenu* menu, BrowserNavigation& browser, Dialogs& dialogs, FileOperations& files,
                              QWidget* mainWindow) {
    QAction* entry = menu->addAction(QStringLiteral("批次檔案命名"));
    entry->setObjectName(QStringLiteral("mnuFileRename2"));
    QObject::connect(entry, &QAction::triggered, mainWindow, [&browser, &dialogs, &files, mainWindow] {
        auto* window = new Frm_Rename(browser, dialogs, files, mainWindow);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    });
}

QLabel* Frm_Rename::addLabel(const char* objectName, const QString& text, const TwipsRect& at) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(objectName));
    label->setAccessibleName(text);
    placeAt(label, at);
    return label;
}

QLineEdit* Frm_Rename::addBox(const char* objectName, const QString& name, const TwipsRect& at) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(objectName));
    box->setAccessibleName(name);
    placeAt(box, at);
    return box;
}

void Frm_Rename::buildLists() {
    addLabel("lblPreview", QStringLiteral("預覽:         原本                                 變更後"), kHeading);
    const auto makeList = [this](const char* objectName, const QString& name, const TwipsRect& at) {
        auto* list = new QListWidget(this);
        list->setObjectName(QLatin1String(objectName));
        list->setAccessibleName(name);
        list->setUniformItemSizes(true);
        placeAt(list, at);
        return list;
    };
    listBefore_ = makeList("listBefore", QStringLiteral("原本的檔名"), kListBefore);
    listAfter_ = makeList("listAfter", QStringLiteral("變更後的檔名"), kListAfter);
    listFunction_ = makeList("listFunction", QStringLiteral("於變更欄套用的功能"), kFunctions);
    listFunction_->addItems(nameFunctionCaptions());
}

void Frm_Rename::buildTemplateBoxes() {
    addLabel("lblTemplate", QStringLiteral("命題:"), kTemplateLabel);
    txtTemplate_ = addBox("txtTemplate", QStringLiteral("命題"), kTemplate);
    addLabel("lblEdit", QStringLiteral("修改變更欄項目 (按Enter 下移)"), kEditLabel);
    txtEdit_ = addBox("txtEdit", QStringLiteral("修改變更欄項目"), kEdit);
    addLabel("lblFunction", QStringLiteral("於變更欄"), kFunctionLabel);
}

void Frm_Rename::buildRangeBoxes() {
    addLabel("lblNumberHeading", QStringLiteral("命題中的\"#\"用以下取代"), kNumberHeading);
    addLabel("lblNumber", QStringLiteral("以數字取代:"), kNumberLabel);
    addLabel("lblLength", QStringLiteral("最小長度:"), kLengthLabel);
    addLabel("lblCodeHeading", QStringLiteral("命題中的\"@\"用以下取代"), kCodeHeading);
    addLabel("lblCode", QStringLiteral("以Ascii取代:"), kCodeLabel);
    addLabel("lblCodeHint", QStringLiteral("A: 65     Z: 90     a: 97     z: 122"), kCodeHint);
    const QString rangeNames[4] = {QStringLiteral("起始數字"), QStringLiteral("結束數字"), QStringLiteral("起始字元碼"),
                                   QStringLiteral("結束字元碼")};
    for (int i = 0; i < 4; ++i) txtRange_[i] = addBox(kRangeNames[i], rangeNames[i], kRange[i]);
    txtLen_ = addBox("txtLen", QStringLiteral("最小長度"), kLength);
    txtRangeC_ = addBox("txtRangeC", QStringLiteral("字元範圍"), kCodeRange);
    txtRangeC_->setReadOnly(true);
    for (QLineEdit* box : {txtLen_, txtRange_[0], txtRange_[1]}) box->installEventFilter(this);
}

void Frm_Rename::buildCommands() {
    const auto makeButton = [this](const char* objectName, const QString& text, const TwipsRect& at) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(objectName));
        button->setAccessibleName(text.trimmed());
        placeAt(button, at);
        return button;
    };
    cmdDirectCopy_ = makeButton("cmdDirectCopy", QStringLiteral("直接複製全部檔名"), kDirectCopy);
    cmdExecute_ = makeButton("cmdExecute", QStringLiteral("執行重新命名 "), kExecute);
    const QString shows[2] = {QStringLiteral("行動"), QStringLiteral("進度")};
    for (int i = 0; i < 2; ++i) {
        lblStatus_[i] = new QLabel(this);
        lblStatus_[i]->setObjectName(QStringLiteral("lblStatus%1").arg(i));
        AccessibleNames::nameLabel(lblStatus_[i], shows[i]);
        placeAt(lblStatus_[i], kStatus[i]);
    }
}

void Frm_Rename::connectBoxes() {
    const auto onEdit = [this](QLineEdit* box, void (RenameController::*event)()) {
        connect(box, &QLineEdit::textEdited, this, [this, event] {
            readBoxes();
            (controller_.*event)();
            showBoxes();
            showAfter();
        });
    };
    onEdit(txtTemplate_, &RenameController::PreviewTemplate);
    onEdit(txtLen_, &RenameController::PreviewTemplate);
    onEdit(txtRange_[0], &RenameController::firstNumberChanged);
    onEdit(txtRange_[2], &RenameController::codeChanged);
    onEdit(txtRange_[3], &RenameController::codeChanged);
    connect(txtRange_[1], &QLineEdit::textEdited, this, [this] { readBoxes(); });
    connect(cmdDirectCopy_, &QPushButton::clicked, this, [this] {
        controller_.cmdDirectCopy_Click();
        showAfter();
    });
    connect(listFunction_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        controller_.listFunction_Click(static_cast<NameFunction>(listFunction_->row(item)));
        showAfter();
    });
    connect(listAfter_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        controller_.listAfter_Click(listAfter_->row(item));
        showChosenEntry();
    });
    connect(txtEdit_, &QLineEdit::returnPressed, this, [this] {
        controller_.txtEdit_Enter(txtEdit_->text());
        showAfter();
        showChosenEntry();
    });
    connect(cmdExecute_, &QPushButton::clicked, this, &Frm_Rename::execute);
}

void Frm_Rename::readBoxes() {
    TemplateBoxes& boxes = controller_.boxes();
    boxes.templateText = txtTemplate_->text();
    boxes.firstNumber = txtRange_[0]->text();
    boxes.lastNumber = txtRange_[1]->text();
    boxes.firstCode = txtRange_[2]->text();
    boxes.lastCode = txtRange_[3]->text();
    boxes.length = txtLen_->text();
}

void Frm_Rename::showBoxes() {
    const TemplateBoxes& boxes = controller_.boxes();
    setIfChanged(txtTemplate_, boxes.templateText);
    setIfChanged(txtRange_[0], boxes.firstNumber);
    setIfChanged(txtRange_[1], boxes.lastNumber);
    setIfChanged(txtRange_[2], boxes.firstCode);
    setIfChanged(txtRange_[3], boxes.lastCode);
    setIfChanged(txtLen_, boxes.length);
    setIfChanged(txtRangeC_, boxes.codeRange);
}

void Frm_Rename::showAfter() {
    listAfter_->clear();
    listAfter_->addItems(controller_.after());
}

void Frm_Rename::showChosenEntry() {
    const qsizetype chosen = controller_.chosenEntry();
    if (chosen < 0) return;
    listAfter_->setCurrentRow(int(chosen));
    txtEdit_->setText(controller_.editText());
    txtEdit_->setFocus();
    txtEdit_->selectAll();
}

bool Frm_Rename::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && !running_) {
        readBoxes();
        if (watched == txtLen_) {
            controller_.lengthDoubleClicked();
        } else {
            controller_.numberDoubleClicked();
        }
        showBoxes();
        showAfter();
        auto* box = static_cast<QLineEdit*>(watched == txtLen_ ? txtLen_ : txtRange_[0]);
        box->setFocus();
        box->selectAll();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm_Rename::execute() {
    if (running_) return;
    running_ = true;
    setEnabled(false);
    const bool closes = controller_.cmdExecute_Click(*this);
    running_ = false;
    setEnabled(true);
    if (closes) close();
}

void Frm_Rename::closeEvent(QCloseEvent* event) {
    // Closing mid-run would pull the window from under the run.
    if (running_)
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void Frm_Rename::showAction(const QString& text) { AccessibleNames::setLabelText(lblStatus_[0], text); }

void Frm_Rename::showProgress(qsizetype done, qsizetype total) {
    AccessibleNames::setLabelText(lblStatus_[1], QStringLiteral("進度: %1/%2").arg(done).arg(total));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
