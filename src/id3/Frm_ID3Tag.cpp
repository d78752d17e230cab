#include "id3/Frm_ID3Tag.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "browser/ClipPicture.h"
#include "id3/Frm_ID3TagLayout.h"
#include "id3/TagGenres.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/Placement.h"

namespace L = Frm_ID3TagLayout;

namespace {

const char* const kFieldNames[] = {"Title", "Artist", "Album", "Year", "Comment"};
const QColor kOverLengthColour(192, 0, 0);

QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

QLabel* caption(QWidget* parent, const char* objectName, const QString& text, const TwipsRect& place) {
    auto* label = makePlaced<QLabel>(parent, QLatin1String(objectName), QString(), place, text);
    label->setWordWrap(true);
    AccessibleNames::nameLabel(label, QString());
    return label;
}

void setItemsIfChanged(QListWidget* list, const QStringList& items) {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown == items) return;
    list->clear();
    list->addItems(items);
}

}  // namespace

Frm_ID3Tag::Frm_ID3Tag(Services services, TagEditor::Seams seams, QWidget* parent)
    : QWidget(parent, Qt::Window),
      editor_(model_, {services.dialogs, services.clipboard, services.clock, tagFile_, services.state}, seams) {
    setObjectName(QStringLiteral("Frm_ID3Tag"));
    setWindowTitle(model_.title());
    setFixedSize(Twips::toPx(QSize(L::kWidthTwips, L::kHeightTwips)));
    buildFileLists();
    buildFields();
    buildGenre();
    buildAutoFill();
    buildButtons();
    connectModel();
    sync();
    editor_.Form_Load();
}

void Frm_ID3Tag::buildFileLists() {
    caption(this, "lblFiles", QStringLiteral("資料夾內的MP3檔案:"), L::kFilesCaption);
    File1_ = makePlaced<QListWidget>(this, QStringLiteral("File1"), QStringLiteral("資料夾內的MP3檔案"), L::kFile1);
    caption(this, "lblSongs", QStringLiteral("PlayList:"), L::kSongsCaption);
    listSongName_ = makePlaced<QListWidget>(this, QStringLiteral("listSongName"), QStringLiteral("PlayList"),
                                      L::kListSongName);
    connect(File1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!syncing_) editor_.File1_Click(row);
    });
    connect(listSongName_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!syncing_) editor_.listSongName_Click(row);
    });
}

void Frm_ID3Tag::buildFields() {
    for (int i = 0; i < TagField::kCount; ++i) {
        const QString name = QLatin1String(kFieldNames[i]);
        lblInput_[i] = makePlaced<ClickLabel>(this, indexed("lblInput", i), QString(),
                                        L::rowRect(i, L::kCaptionLeft, L::kCaptionWidth), name + QStringLiteral(": "));
        AccessibleNames::nameLabel(lblInput_[i], QString());
        txtInput_[i] = makePlaced<QLineEdit>(this, indexed("txtInput", i), name, L::rowRect(i, L::kTextLeft, L::kTextWidth));
        txtInput_[i]->installEventFilter(this);
        lblInputLen_[i] = makePlaced<QLabel>(this, indexed("lblInputLen", i), QString(),
                                       L::rowRect(i, L::kCountLeft, L::kCountWidth));
        AccessibleNames::nameLabel(lblInputLen_[i], name + QStringLiteral(" 位元組"));
        auto* copy = makePlaced<ClickLabel>(this, indexed("imgCopytxtInput", i), QString(),
                                      L::rowRect(i, L::kCopyLeft, L::kPictureWidth));
        auto* paste = makePlaced<ClickLabel>(this, indexed("imgPastetxtInput", i), QString(),
                                       L::rowRect(i, L::kPasteLeft, L::kPictureWidth));
        copy->setPixmap(ClipPicture::draw(0, copy->size()));
        paste->setPixmap(ClipPicture::draw(1, paste->size()));
        AccessibleNames::setPictureTip(copy, QStringLiteral("複製%1到剪貼簿").arg(name));
        AccessibleNames::setPictureTip(paste, QStringLiteral("從剪貼簿貼上到%1").arg(name));
        connect(txtInput_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            editor_.txtInput_Change(i, text);
        });
        connect(copy, &ClickLabel::clicked, this, [this, i] { editor_.imgCopytxtInput_Click(i); });
        connect(paste, &ClickLabel::clicked, this, [this, i] { editor_.imgPastetxtInput_Click(i); });
    }
}

void Frm_ID3Tag::buildGenre() {
    lblInput_[5] = makePlaced<ClickLabel>(this, indexed("lblInput", 5), QString(),
                                    L::rowRect(5, L::kCaptionLeft, L::kCaptionWidth),
                                    QStringLiteral("Gender-Identifier: "));
    AccessibleNames::nameLabel(lblInput_[5], QString());
    ComGender_ = makePlaced<QComboBox>(this, QStringLiteral("ComGender"), QStringLiteral("歌曲類型"), L::kComGender);
    ComGender_->addItems(TagGenres::items());
    ComGender_->setMaxVisibleItems(20);
    lblGenderNo_ = makePlaced<QLabel>(this, QStringLiteral("lblGenderNo"), QString(), L::kGenderNo);
    AccessibleNames::nameLabel(lblGenderNo_, QStringLiteral("歌曲類型號碼"));
    connect(ComGender_, &QComboBox::activated, this, [this](int item) { editor_.ComGender_Click(item); });
    for (int i = 0; i < 6; ++i)
        connect(lblInput_[i], &ClickLabel::released, this, [this, i](Qt::MouseButton button, Qt::KeyboardModifiers) {
            if (button == Qt::LeftButton) editor_.lblInput_MouseUp(i, TagEditor::Button::Left);
            if (button == Qt::RightButton) editor_.lblInput_MouseUp(i, TagEditor::Button::Right);
        });
}

void Frm_ID3Tag::buildAutoFill() {
    caption(this, "lblHelp0",
            QStringLiteral("在項目名稱上按『滑鼠左鍵』可以除去輸入資料的頭尾空白部份，而在Gender-Identifier按則可以以數字形式輸入歌曲類型。"),
            L::kHelpCaptions);
    caption(this, "lblHelp1",
            QStringLiteral("在輸入欄的項目名稱上按『滑鼠右鍵』可以清除輸入欄上的項目資料，而在Gender-Identifier上按就會設置歌曲為『沒有類型』。"),
            L::kHelpClear);
    caption(this, "lblAutoFill", QStringLiteral("自動填入資料"), L::kAutoFillCaption);
    listAutoFill_ = makePlaced<QListWidget>(this, QStringLiteral("listAutoFill"), QStringLiteral("自動填入資料"),
                                      L::kListAutoFill);
    listAutoFill_->addItems(TagAutoFill::items());
    listAutoFill_->installEventFilter(this);
    connect(listAutoFill_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { editor_.listAutoFill_Click(listAutoFill_->row(item)); });

    caption(this, "lblAutoFill2", QStringLiteral("當ID3Tag的資料不存在時，自動填入資料: [右鍵修改項目資料]"),
            L::kPresetsCaption);
    listAutoFill2_ = makePlaced<QListWidget>(this, QStringLiteral("listAutoFill2"), QStringLiteral("預設資料"),
                                       L::kListAutoFill2);
    // The presets' names are padded with spaces to line up their values.
    listAutoFill2_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (int i = 0; i < TagPresets::kItemCount; ++i) {
        auto* item = new QListWidgetItem(listAutoFill2_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    listAutoFill2_->viewport()->installEventFilter(this);
    connect(listAutoFill2_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!syncing_) editor_.listAutoFill2_Ticked(listAutoFill2_->row(item), item->checkState() == Qt::Checked);
    });
    auto* execute = makePlaced<QPushButton>(this, QStringLiteral("cmdExecuteAutoFill2"), QStringLiteral("執行預設資料"),
                                      L::kExecuteAutoFill2, QStringLiteral("執行"));
    connect(execute, &QPushButton::clicked, this, [this] { editor_.cmdExecuteAutoFill2_Click(); });
}

void Frm_ID3Tag::buildButtons() {
    const QString saves[] = {QStringLiteral("儲存 [Enter]"), QStringLiteral("儲存並離開 [Ctrl + Enter]"),
                             QStringLiteral("儲存並下移 [Shift + Enter]")};
    const QString cancels[] = {QStringLiteral("取消"), QStringLiteral("上移"), QStringLiteral("下移")};
    for (int i = 0; i < 3; ++i) {
        auto* save = makePlaced<QPushButton>(this, indexed("cmdSave", i), saves[i], L::kSave[i], saves[i]);
        auto* cancel = makePlaced<QPushButton>(this, indexed("cmdCancel", i), cancels[i], L::kCancel[i], cancels[i]);
        connect(save, &QPushButton::clicked, this, [this, i] { editor_.cmdSave_Click(i); });
        connect(cancel, &QPushButton::clicked, this, [this, i] { editor_.cmdCancel_Click(i); });
    }
    auto* load = makePlaced<QPushButton>(this, QStringLiteral("cmdLoad"), QStringLiteral("重新載入"), L::kLoad,
                                   QStringLiteral("重新載入"));
    connect(load, &QPushButton::clicked, this, [this] { editor_.cmdLoad_Click(); });
}

void Frm_ID3Tag::connectModel() {
    connect(&model_, &TagEditorModel::changed, this, &Frm_ID3Tag::sync);
    connect(&model_, &TagEditorModel::closeRequested, this, &QWidget::close);
    connect(&model_, &TagEditorModel::focusField, this, [this](int i) { txtInput_[i]->setFocus(); });
}

void Frm_ID3Tag::sync() {
    syncing_ = true;
    setWindowTitle(model_.title());
    syncFields();
    syncLists();
    syncPresets();
    syncing_ = false;
}

void Frm_ID3Tag::syncFields() {
    for (int i = 0; i < TagField::kCount; ++i) {
        if (txtInput_[i]->text() != model_.field(i)) txtInput_[i]->setText(model_.field(i));
        AccessibleNames::setLabelText(lblInputLen_[i], QString::number(model_.byteCount(i)));
        QPalette palette = lblInputLen_[i]->palette();
        palette.setColor(QPalette::WindowText, model_.overLength(i) ? kOverLengthColour : QColor(Qt::black));
        lblInputLen_[i]->setPalette(palette);
    }
    if (ComGender_->currentIndex() != model_.genreItem()) ComGender_->setCurrentIndex(model_.genreItem());
    AccessibleNames::setLabelText(lblGenderNo_, model_.genreNumberText());
}

void Frm_ID3Tag::syncLists() {
    setItemsIfChanged(File1_, model_.fileNames());
    if (File1_->currentRow() != model_.fileRow()) File1_->setCurrentRow(model_.fileRow());
    setItemsIfChanged(listSongName_, model_.songNames());
    if (listSongName_->currentRow() != model_.songRow()) listSongName_->setCurrentRow(model_.songRow());
}

void Frm_ID3Tag::syncPresets() {
    const TagPresets& presets = model_.presets();
    for (int i = 0; i < TagPresets::kItemCount; ++i) {
        QListWidgetItem* item = listAutoFill2_->item(i);
        if (item->text() != presets.itemText(i)) item->setText(presets.itemText(i));
        const Qt::CheckState state = presets.ticked(i) ? Qt::Checked : Qt::Unchecked;
        if (item->checkState() != state) item->setCheckState(state);
    }
}

void Frm_ID3Tag::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) editor_.Form_Activate();
}

bool Frm_ID3Tag::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && saveKey(event)) return true;
    if (watched == listAutoFill2_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int row = listAutoFill2_->row(listAutoFill2_->itemAt(mouse->position().toPoint()));
        if (row >= 0 && mouse->button() == Qt::LeftButton) editor_.listAutoFill2_MouseDown(row, TagEditor::Button::Left);
        if (row >= 0 && mouse->button() == Qt::RightButton) {
            editor_.listAutoFill2_MouseDown(row, TagEditor::Button::Right);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Enter saves, Ctrl+Enter saves and closes, Shift+Enter saves and steps down.
bool Frm_ID3Tag::saveKey(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier)
        editor_.cmdSave_Click(1);
    else if (mods == Qt::ShiftModifier)
        editor_.cmdSave_Click(2);
    else
        editor_.cmdSave_Click(0);
    return true;
}
