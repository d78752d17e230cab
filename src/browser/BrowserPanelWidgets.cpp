// The browser's controls: how they are made, placed and wired. The
// behaviour behind them is in BrowserPanel.cpp.
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

#include "browser/BrowserLayout.h"
#include "browser/BrowserPanel.h"
#include "browser/BrowserTexts.h"
#include "ui/widgets/ClickLabel.h"
#include "browser/ClipPicture.h"
#include "browser/FileListBox.h"
#include "browser/FolderListBox.h"
#include "browser/ListFit.h"
#include "ui/widgets/Placement.h"

namespace {

template <typename Widget>
Widget* make(QWidget* canvas, const char* objectName, const TwipsRect& place) {
    auto* widget = new Widget(canvas);
    widget->setObjectName(QLatin1String(objectName));
    placeAt(widget, place);
    return widget;
}

// The lists' rows are 14 (folders) and 12 (files) pixels high, as the
// fitting counts them; their fonts leave a pixel above and below.
QFont listFont(const QWidget* canvas, int pixelSize) {
    QFont font = canvas->font();
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

void BrowserPanel::buildWidgets(QWidget* canvas) {
    using namespace BrowserLayout;
    drive1_ = make<QComboBox>(canvas, "Drive1", kDrive1);
    dir1_ = make<FolderListBox>(canvas, "Dir1", columnRect(ListFit::kDirTopTwips, ListFit::kFixedDirHeightTwips));
    file1_ = make<FileListBox>(canvas, "File1", columnRect(ListFit::kFixedFileTopTwips, ListFit::kFixedFileHeightTwips));
    dir1_->setFont(listFont(canvas, 11));
    file1_->setFont(listFont(canvas, 10));
    file1_->setToolTip(BrowserTexts::kFileTooltip);

    lblDirDetails_ = make<ClickLabel>(canvas, "lblDirDetails", kDirDetails);
    lblDirDetails_->setText(BrowserTexts::kDirDetailsCaption);
    lblDirDetails_->setToolTip(BrowserTexts::kDirDetailsTooltip);

    cmdCancelFileFilter_ = make<QPushButton>(canvas, "cmdCancelFileFilter", kCancelFileFilter);
    cmdCancelFileFilter_->hide();

    for (int i = 0; i < 2; ++i) {
        ClickLabel* picture = make<ClickLabel>(canvas, "imgClipFileLink", kClipFileLink[i]);
        picture->setProperty("index", i);
        picture->setPixmap(ClipPicture::draw(i, picture->size()));
        picture->setCursor(Qt::PointingHandCursor);
        imgClipFileLink_[i] = picture;
    }

    cmdPlaySpecificSong_ = make<QPushButton>(canvas, "cmdPlaySpecificSong", kPlaySpecificSong);
    cmdPlaySpecificSong_->setIcon(cmdPlaySpecificSong_->style()->standardIcon(QStyle::SP_MediaPlay));
    cmdPlaySpecificSong_->setIconSize(QSize(12, 12));

    // The destination pair of the move-and-copy panel, shown by that panel.
    drive2_ = make<QComboBox>(canvas, "Drive2", kDrive2);
    dir2_ = make<FolderListBox>(canvas, "Dir2", kDir2);
    dir2_->setFont(listFont(canvas, 11));
    drive2_->hide();
    dir2_->hide();
}

void BrowserPanel::connectWidgets() {
    connect(dir1_, &FolderListBox::mouseReleased, this, [this](Qt::MouseButton b) { Dir1_MouseUp(b); });
    connect(dir2_, &FolderListBox::mouseReleased, this, [this](Qt::MouseButton b) { Dir2_MouseUp(b); });
    // The program moves the drive lists only with their signals blocked,
    // so a change reported here is the user's.
    connect(drive1_, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    connect(drive2_, &QComboBox::currentIndexChanged, this, [this] { Drive2_Change(); });
    connect(file1_, &FileListBox::rowClicked, this, &BrowserPanel::File1_Click);
    connect(file1_, &QAbstractItemView::doubleClicked, this, &BrowserPanel::File1_DblClick);
    connect(file1_, &FileListBox::keyPressed, this, &BrowserPanel::File1_KeyDown);
    connect(file1_, &FileListBox::mousePressed, this, &BrowserPanel::File1_MouseDown);
    connect(cmdCancelFileFilter_, &QPushButton::clicked, this, &BrowserPanel::cmdCancelFileFilter_Click);
    connect(cmdPlaySpecificSong_, &QPushButton::clicked, this, &BrowserPanel::cmdPlaySpecificSong_Click);
    for (int i = 0; i < 2; ++i)
        connect(imgClipFileLink_[i], &ClickLabel::clicked, this, [this, i] { imgClipFileLink_Click(i); });
    txtFileLink_->installEventFilter(this);
}

bool BrowserPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtFileLink_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick) {
        txtFileLink_->selectAll();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isCtrlEnter(key->key(), key->modifiers())) {
            cmdPlaySpecificSong_Click();
            return true;
        }
    }
    return false;
}

void BrowserPanel::addFileSelectActions(QMenu* menu) {
    const QString captions[] = {BrowserTexts::kSelectAll, BrowserTexts::kInvertSelection};
    for (int i = 0; i < 2; ++i) {
        QAction* action = menu->addAction(captions[i]);
        action->setObjectName(QStringLiteral("mnuFileSelect"));
        action->setProperty("index", i);
        connect(action, &QAction::triggered, this, [this, i] { mnuFileSelect_Click(i); });
    }
}

void BrowserPanel::setBrowserVisible(bool visible) {
    browserVisible_ = visible;
    for (QWidget* widget : std::initializer_list<QWidget*>{drive1_, dir1_, file1_, lblDirDetails_,
                                                           imgClipFileLink_[0], imgClipFileLink_[1]})
        widget->setVisible(visible);
    // The filter button comes back only while a filter is active.
    cmdCancelFileFilter_->setVisible(visible && pattern_.text() != QString::fromUtf16(FilePattern::kAll));
}
