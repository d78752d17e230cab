#include "lyrics/Frm_Lyric.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "lyrics/LyricText.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/Placement.h"

namespace {

// The client area below the menu bar, in twips.
constexpr int kWidthTwips = 9720;
constexpr int kHeightTwips = 7080;

constexpr TwipsRect kFilesCaption{120, 120, 2700, 255};
constexpr TwipsRect kFile1{120, 405, 2700, 6555};
constexpr TwipsRect kLyricLinkCaption{2940, 150, 1560, 255};
constexpr TwipsRect kLyricLink{4500, 120, 5100, 300};
constexpr TwipsRect kFinalLinkCaption{2940, 510, 1560, 255};
constexpr TwipsRect kFinalLink{4500, 480, 3900, 300};
constexpr TwipsRect kAutoCorrect{8460, 480, 1140, 300};
constexpr TwipsRect kLyricBox{2940, 870, 6660, 5250};
constexpr TwipsRect kHint[2] = {{2940, 6180, 6660, 255}, {2940, 6450, 6660, 510}};

QLabel* caption(QWidget* parent, const QString& objectName, const QString& text, const TwipsRect& place) {
    auto* label = makePlaced<QLabel>(parent, objectName, QString(), place, text);
    label->setWordWrap(true);
    AccessibleNames::nameLabel(label, QString());
    return label;
}

QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

void setIfChanged(QLineEdit* box, const QString& text) {
    // Rewriting the box being typed in would move its cursor.
    if (box->text() != text) box->setText(text);
}

}  // namespace

Frm_Lyric::Frm_Lyric(LyricEditor::Services services, QWidget* parent)
    : QMainWindow(parent, Qt::Window), editor_(model_, services) {
    setObjectName(QStringLiteral("Frm_Lyric"));
    setAccessibleName(QStringLiteral("歌詞編輯器"));
    buildControls();
    buildMenus();
    connectModel();
    sync();
    const QSize client = Twips::toPx(QSize(kWidthTwips, kHeightTwips));
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
}

void Frm_Lyric::buildControls() {
    auto* canvas = new QWidget(this);
    setCentralWidget(canvas);
    caption(canvas, QStringLiteral("lblFiles"), QStringLiteral("歌詞資料夾:"), kFilesCaption);
    File1_ = makePlaced<QListWidget>(canvas, QStringLiteral("File1"), QStringLiteral("歌詞資料夾的檔案"), kFile1);
    File1_->installEventFilter(this);
    // A click loads the file; so does Enter, for a user on the keyboard.
    for (auto signal : {&QListWidget::itemClicked, &QListWidget::itemActivated})
        connect(File1_, signal, this, [this](QListWidgetItem* item) { editor_.File1_Click(item->text()); });

    caption(canvas, QStringLiteral("lblLyricLink"), QStringLiteral("目前路徑:"), kLyricLinkCaption);
    txtLyricLink_ = makePlaced<QLineEdit>(canvas, QStringLiteral("txtLyricLink"), QStringLiteral("目前路徑"), kLyricLink);
    caption(canvas, QStringLiteral("lblFinalLink"), QStringLiteral("目標路徑(儲存):"), kFinalLinkCaption);
    txtFinalLink_ = makePlaced<QLineEdit>(canvas, QStringLiteral("txtFinalLink"), QStringLiteral("目標路徑(儲存)"), kFinalLink);
    chkAutoCorrect_ = makePlaced<QCheckBox>(canvas, QStringLiteral("chkAutoCorrect"), QStringLiteral("自動修改"),
                                      kAutoCorrect, QStringLiteral("自動修改"));
    for (QLineEdit* box : {txtLyricLink_, txtFinalLink_}) box->installEventFilter(this);
    connect(txtLyricLink_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.txtLyricLink_Change(text);
    });
    connect(txtFinalLink_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.txtFinalLink_Change(text);
    });
    connect(chkAutoCorrect_, &QCheckBox::clicked, this, [this](bool ticked) { editor_.chkAutoCorrect_MouseUp(ticked); });

    txtLyricBox_ = makePlaced<QPlainTextEdit>(canvas, QStringLiteral("txtLyricBox"), QStringLiteral("歌詞"), kLyricBox);
    txtLyricBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(txtLyricBox_, &QPlainTextEdit::textChanged, this, [this] {
        if (!syncing_) editor_.txtLyricBox_Change(LyricText::toEditorText(txtLyricBox_->toPlainText()));
    });

    caption(canvas, indexed("lblHint", 0),
            QStringLiteral("若要使用動態化歌詞列，所儲存的歌詞檔必須和歌曲檔名相同。"), kHint[0]);
    caption(canvas, indexed("lblHint", 1),
            QStringLiteral("在\"目前路徑\"按Ctrl+Enter可載入該路徑的檔案，只按Enter會載入經自動修改的路徑(保留檔案名)。"),
            kHint[1]);
}

QAction* Frm_Lyric::addEntry(QMenu* menu, const QString& objectName, const QString& caption) {
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(objectName);
    return entry;
}

void Frm_Lyric::buildMenus() {
    addFileMenu();
    addEditMenu();
    addSearchMenu();
    QMenu* dirFav = menuBar()->addMenu(QStringLiteral("資料夾捷徑選項"));
    dirFav->setObjectName(QStringLiteral("menuDirFav"));
    connect(addEntry(dirFav, indexed("mnuDirFav", 0), QStringLiteral("編輯 (DirFav.ini)")), &QAction::triggered, this,
            [this] { editor_.mnuDirFav_Click(); });
}

void Frm_Lyric::addFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("檔案(&F)"));
    file->setObjectName(QStringLiteral("menuFile"));
    connect(addEntry(file, QStringLiteral("mnuNewLyric"), QStringLiteral("開新檔案")), &QAction::triggered, this,
            [this] { editor_.mnuNewLyric_Click(); });
    connect(addEntry(file, QStringLiteral("mnuSaveLyric"), QStringLiteral("儲存檔案")), &QAction::triggered, this,
            [this] { editor_.mnuSaveLyric_Click(); });
    connect(addEntry(file, QStringLiteral("mnuDeleteLyric"), QStringLiteral("刪除檔案")), &QAction::triggered, this,
            [this] { editor_.mnuDeleteLyric_Click(); });
}

void Frm_Lyric::addEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編輯(&E)"));
    edit->setObjectName(QStringLiteral("menuEdit"));
    const QString commands[] = {QStringLiteral("除去每一行頭尾的空白部份"), QStringLiteral("將每一行的首字轉成大寫"),
                                QStringLiteral("移除文字內所有空格"), QStringLiteral("插入歌手歌曲資料於最頭")};
    for (int i = 0; i < 4; ++i)
        connect(addEntry(edit, indexed("mnuEdit", i), commands[i]), &QAction::triggered, this,
                [this, i] { editor_.mnuEdit_Click(i); });
    QMenu* convert = edit->addMenu(QStringLiteral("轉換文字"));
    convert->setObjectName(QStringLiteral("menuConvertStr"));
    const QString conversions[] = {QStringLiteral("全形[空格] --> 半形[空格]"), QStringLiteral("全形[逗號] --> 半形[逗號]"),
                                   QStringLiteral("全形[句號] --> 半形[句號]"), QStringLiteral("全形[冒號] --> 半形[冒號]")};
    for (int i = 0; i < LyricText::kConversionCount; ++i)
        connect(addEntry(convert, indexed("mnuConvertStr", i), conversions[i]), &QAction::triggered, this,
                [this, i] { editor_.mnuConvertStr_Click(i); });
    edit->addSeparator();
    connect(addEntry(edit, QStringLiteral("mnuSelectAll"), QStringLiteral("全選")), &QAction::triggered, this,
            [this] { editor_.mnuSelectAll_Click(); });
}

void Frm_Lyric::addSearchMenu() {
    QMenu* search = menuBar()->addMenu(QStringLiteral("尋找(&S)"));
    search->setObjectName(QStringLiteral("menuSearch"));
    const QString commands[] = {QStringLiteral("尋找文字"), QStringLiteral("找下一個"), QStringLiteral("取代文字")};
    const QKeySequence keys[] = {QKeySequence::Find, QKeySequence::FindNext, QKeySequence::Replace};
    for (int i = 0; i < 3; ++i) {
        QAction* entry = addEntry(search, indexed("mnuSearch", i), commands[i]);
        entry->setShortcut(keys[i]);
        connect(entry, &QAction::triggered, this, [this, i] { editor_.mnuSearch_Click(i); });
    }
}

void Frm_Lyric::connectModel() {
    connect(&model_, &LyricEditorModel::textEdited, this, &Frm_Lyric::applyEdit);
    connect(&model_, &LyricEditorModel::changed, this, &Frm_Lyric::sync);
    connect(&model_, &LyricEditorModel::selectionRequested, this, &Frm_Lyric::selectInText);
    connect(&model_, &LyricEditorModel::selectAllRequested, txtLyricBox_, &QPlainTextEdit::selectAll);
    connect(&model_, &LyricEditorModel::focusTextRequested, this, [this] { txtLyricBox_->setFocus(); });
}

void Frm_Lyric::sync() {
    syncing_ = true;
    setWindowTitle(model_.title());
    QStringList shown;
    for (int i = 0; i < File1_->count(); ++i) shown << File1_->item(i)->text();
    if (shown != model_.fileNames()) {
        File1_->clear();
        File1_->addItems(model_.fileNames());
    }
    setIfChanged(txtLyricLink_, model_.lyricLink());
    setIfChanged(txtFinalLink_, model_.finalLink());
    chkAutoCorrect_->setChecked(model_.autoCorrect());
    // The area holds the text with LF line ends; rewriting it while the user
    // types would move the cursor, so only a different text is set.
    if (LyricText::toEditorText(txtLyricBox_->toPlainText()) != model_.text())
        txtLyricBox_->setPlainText(LyricText::toAreaText(model_.text()));
    syncing_ = false;
}

// One undo step in the text area, so Ctrl+Z takes a command back (a replace
// whose second box was cancelled removes what it found).
void Frm_Lyric::applyEdit() {
    syncing_ = true;
    QTextCursor cursor(txtLyricBox_->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(LyricText::toAreaText(model_.text()));
    cursor.endEditBlock();
    syncing_ = false;
}

void Frm_Lyric::selectInText(int start, int length) {
    const QString text = model_.text();
    const int from = LyricText::toAreaPosition(text, start);
    const int to = LyricText::toAreaPosition(text, start + length);
    QTextCursor cursor = txtLyricBox_->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    txtLyricBox_->setTextCursor(cursor);
}

void Frm_Lyric::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) editor_.Form_Activate();
}

bool Frm_Lyric::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && (watched == txtLyricLink_ || watched == txtFinalLink_)) {
        static_cast<QLineEdit*>(watched)->selectAll();
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (watched == txtLyricLink_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        editor_.txtLyricLink_Enter(txtLyricLink_->text(), mods == Qt::ControlModifier);
        return true;
    }
    if (watched == File1_ && key->key() == Qt::Key_Delete && mods == Qt::ShiftModifier) {
        editor_.mnuDeleteLyric_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
