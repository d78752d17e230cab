#include "console/Frm_Command.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "ui/widgets/Placement.h"

namespace {

constexpr int kWidthTwips = 8000;
constexpr int kHeightTwips = 6400;

constexpr TwipsRect kCommandLabel{120, 160, 1600, 255};
constexpr TwipsRect kCommand{1750, 120, 6100, 300};
constexpr TwipsRect kPartLabels[4] = {{120, 540, 600, 255}, {1950, 540, 600, 255}, {3900, 540, 600, 255},
                                      {5700, 540, 600, 255}};
constexpr TwipsRect kParts[4] = {{720, 500, 1150, 300}, {2550, 500, 1270, 300}, {4500, 500, 1120, 300},
                                 {6300, 500, 1550, 300}};
constexpr TwipsRect kReplySizeLabel{120, 940, 1600, 255};
constexpr TwipsRect kReplySize{1750, 900, 700, 300};
constexpr TwipsRect kAutoAdjust{2600, 900, 1500, 300};
constexpr TwipsRect kOpenHint{120, 1300, 7730, 480};
constexpr TwipsRect kDeclaration{120, 1820, 7730, 480};
constexpr TwipsRect kLog{120, 2400, 7730, 3880};

const char* const kPartNames[4] = {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)"};

}  // namespace

Frm_Command::Frm_Command(CommandConsole::Parts parts, QWidget* parent)
    : QWidget(parent, Qt::Window), console_(parts) {
    setObjectName(QStringLiteral("Frm_Command"));
    buildCommandRow();
    buildParts();
    buildReplySize();
    buildLabels();
    buildLog();
    setWindowTitle(QStringLiteral("命令提示字元 (程式預設Alias: ZELSong)"));
    setAccessibleName(QStringLiteral("命令提示字元"));
    setFixedSize(Twips::toPx(QSize(kWidthTwips, kHeightTwips)));
    showConsole();
}

void Frm_Command::addMenuEntry(QMenu* menu, CommandConsole::Parts parts, QWidget* mainWindow) {
    QAction* entry = menu->addAction(QStringLiteral("命令提示字元"));
    entry->setObjectName(QStringLiteral("mnuTools(4)"));
    QObject::connect(entry, &QAction::triggered, mainWindow, [parts, mainWindow] {
        auto* console = mainWindow->findChild<Frm_Command*>();
        if (!console) {
            console = new Frm_Command(parts, mainWindow);
            console->setAttribute(Qt::WA_DeleteOnClose);
        }
        console->show();
        console->activateWindow();
    });
}

QLineEdit* Frm_Command::addBox(const char* objectName, const QString& name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(objectName));
    box->setAccessibleName(name);
    return box;
}

void Frm_Command::buildCommandRow() {
    auto* label = new QLabel(QStringLiteral("lpstrCommand:"), this);
    label->setObjectName(QStringLiteral("lblCommand"));
    label->setAccessibleName(label->text());
    placeAt(label, kCommandLabel);
    txtCommand_ = addBox("txtCommand", QStringLiteral("媒體指令"));
    placeAt(txtCommand_, kCommand);
    txtCommand_->installEventFilter(this);
    connect(txtCommand_, &QLineEdit::textEdited, this, &Frm_Command::commandEdited);
}

void Frm_Command::buildParts() {
    const QString captions[4] = {QStringLiteral("功能:"), QStringLiteral("Alias:"), QStringLiteral("函數:"),
                                 QStringLiteral("資料:")};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setObjectName(QStringLiteral("lblPart%1").arg(i));
        label->setAccessibleName(captions[i]);
        placeAt(label, kPartLabels[i]);
        QString name = captions[i];
        name.chop(1);  // the box reads as what it holds, without the colon
        Text1_[i] = addBox(kPartNames[i], name);
        Text1_[i]->setReadOnly(true);
        placeAt(Text1_[i], kParts[i]);
    }
}

void Frm_Command::buildReplySize() {
    auto* label = new QLabel(QStringLiteral("uReturnLength:"), this);
    label->setObjectName(QStringLiteral("lblReturnLen"));
    label->setAccessibleName(label->text());
    placeAt(label, kReplySizeLabel);
    txtReturnLen_ = addBox("txtReturnLen", QStringLiteral("傳回值長度"));
    placeAt(txtReturnLen_, kReplySize);
    chkAutoAdjustLen_ = new QCheckBox(QStringLiteral("自動調整"), this);
    chkAutoAdjustLen_->setObjectName(QStringLiteral("chkAutoAdjustLen"));
    chkAutoAdjustLen_->setAccessibleName(chkAutoAdjustLen_->text());
    placeAt(chkAutoAdjustLen_, kAutoAdjust);
    connect(txtReturnLen_, &QLineEdit::textEdited, this, [this](const QString& text) {
        console_.setReplySizeText(text);
    });
    // The program's own changes (the automatic size, a size held to its
    // range) are selected so the next key replaces them; the user's typing
    // is left alone, or no number of two digits could be typed.
    connect(txtReturnLen_, &QLineEdit::textChanged, this, [this] {
        if (showing_) txtReturnLen_->selectAll();
    });
    connect(chkAutoAdjustLen_, &QCheckBox::toggled, this, [this](bool on) { console_.setAutoAdjustLen(on); });
}

void Frm_Command::buildLabels() {
    const struct {
        const char* objectName;
        QString text;
        TwipsRect at;
    } labels[] = {
        {"lblOpenHint", QStringLiteral("使用\"Open\"指令時需將uReturnLength設定為0, 並請加上 \"\" 去突出路徑。"),
         kOpenHint},
        {"lblDeclaration",
         QStringLiteral("long mciSendString(char* lpstrCommand, char* lpstrReturnString, unsigned uReturnLength, "
                        "window hwndCallback)"),
         kDeclaration},
    };
    for (const auto& row : labels) {
        auto* label = new QLabel(row.text, this);
        label->setObjectName(QLatin1String(row.objectName));
        label->setAccessibleName(row.text);
        label->setWordWrap(true);
        placeAt(label, row.at);
    }
}

void Frm_Command::buildLog() {
    txtReturn_ = new QPlainTextEdit(this);
    txtReturn_->setObjectName(QStringLiteral("txtReturn"));
    txtReturn_->setAccessibleName(QStringLiteral("指令紀錄"));
    txtReturn_->setReadOnly(true);
    placeAt(txtReturn_, kLog);
    txtReturn_->viewport()->installEventFilter(this);
}

bool Frm_Command::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtCommand_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                enterPressed();
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            txtCommand_->selectAll();
            return true;
        } else if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the cursor.
            QMetaObject::invokeMethod(txtCommand_, &QLineEdit::selectAll, Qt::QueuedConnection);
        }
    } else if (watched == txtReturn_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        console_.clearLog();
        showConsole();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm_Command::commandEdited(const QString& text) {
    const qsizetype typedLength = text.size();
    const QString proposal = console_.txtCommand_Change(text);
    if (!proposal.isEmpty()) {
        txtCommand_->setText(console_.command());
        txtCommand_->setSelection(static_cast<int>(typedLength), static_cast<int>(proposal.size()));
    }
    showConsole();
}

void Frm_Command::enterPressed() {
    switch (console_.txtCommand_Enter()) {
    case CommandConsole::EnterResult::CloseConsole:
        close();
        return;
    case CommandConsole::EnterResult::ProgramEnded:
        return;
    case CommandConsole::EnterResult::Sent:
        showConsole();
        txtCommand_->selectAll();
        return;
    }
}

void Frm_Command::showConsole() {
    showing_ = true;
    for (int i = 0; i < 4; ++i) Text1_[i]->setText(console_.parts()[static_cast<size_t>(i)]);
    if (txtReturnLen_->text() != console_.replySizeText()) txtReturnLen_->setText(console_.replySizeText());
    chkAutoAdjustLen_->setChecked(console_.autoAdjustLen());
    txtReturn_->setPlainText(console_.log());
    showing_ = false;
}
