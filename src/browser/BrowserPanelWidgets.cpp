// The browser's controls: how they are made, named, placed and wired. What
// they show is drawn in BrowserPanel.cpp.
#include <QComboBox>
#include <QPushButton>
#include <QStyle>

#include "browser/BrowserLayout.h"
#include "browser/BrowserNavigator.h"
#include "browser/BrowserPanel.h"
#include "browser/BrowserTexts.h"
#include "browser/ClipPicture.h"
#include "browser/DirFavPicture.h"
#include "browser/FileListBox.h"
#include "browser/FolderListBox.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/ClickLabel.h"
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

// Names for screen readers. The pictures and the open button show no text,
// and the lists' tooltips change with the fitting, so all get fixed names;
// the count label's name carries its count as well.
const QString kDrive1Name = QStringLiteral("磁碟機清單");
const QString kDir1Name = QStringLiteral("資料夾清單");
const QString kFile1Name = QStringLiteral("檔案清單");
const QString kDirDetailsName = QStringLiteral("資料夾及檔案數目");
const QString kCancelFilterName = QStringLiteral("取消過瀘");
const QString kClipNames[2] = {QStringLiteral("複製路徑至剪貼簿"), QStringLiteral("從剪貼簿貼上路徑")};
const QString kPlaySpecificSongName = QStringLiteral("開啟路徑中的檔案");
const QString kDrive2Name = QStringLiteral("目的磁碟機清單");
const QString kDir2Name = QStringLiteral("目的資料夾清單");

}  // namespace

void BrowserPanel::buildWidgets(QWidget* canvas) {
    using namespace BrowserLayout;
    drive1_ = make<QComboBox>(canvas, "Drive1", kDrive1);
    dir1_ = make<FolderListBox>(canvas, "Dir1", navigator_.dir1Place());
    file1_ = make<FileListBox>(canvas, "File1", navigator_.file1Place());
    dir1_->setFont(listFont(canvas, 11));
    file1_->setFont(listFont(canvas, 10));
    file1_->setToolTip(BrowserTexts::kFileTooltip);

    lblDirDetails_ = make<ClickLabel>(canvas, "lblDirDetails", kDirDetails);
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

    imgPopDirFav_ = make<DirFavPicture>(canvas, "imgPopDirFav", kPopDirFav);
    imgPopDirFav_->setCursor(Qt::PointingHandCursor);

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

void BrowserPanel::nameWidgets() {
    drive1_->setAccessibleName(kDrive1Name);
    dir1_->setAccessibleName(kDir1Name);
    file1_->setAccessibleName(kFile1Name);
    AccessibleNames::nameLabel(lblDirDetails_, kDirDetailsName);
    cmdCancelFileFilter_->setAccessibleName(kCancelFilterName);
    for (int i = 0; i < 2; ++i) imgClipFileLink_[i]->setAccessibleName(kClipNames[i]);
    // The picture's menu twin is "移至(&M)".
    AccessibleNames::setPictureTip(imgPopDirFav_, QStringLiteral("移至"));
    cmdPlaySpecificSong_->setAccessibleName(kPlaySpecificSongName);
    drive2_->setAccessibleName(kDrive2Name);
    dir2_->setAccessibleName(kDir2Name);
}

void BrowserPanel::connectWidgets() {
    BrowserNavigator* nav = &navigator_;
    connect(dir1_, &FolderListBox::mouseReleased, this,
            [this](Qt::MouseButton button) { navigator_.Dir1_MouseUp(button, dir1_->ListIndex()); });
    connect(dir2_, &FolderListBox::mouseReleased, this,
            [this](Qt::MouseButton button) { navigator_.Dir2_MouseUp(button, dir2_->ListIndex()); });
    connect(drive1_, &QComboBox::currentIndexChanged, this,
            [this] { navigator_.Drive1_Change(drive1_->currentData().toString()); });
    connect(drive2_, &QComboBox::currentIndexChanged, this,
            [this] { navigator_.Drive2_Change(drive2_->currentData().toString()); });
    connect(file1_, &FileListBox::selectionMoved, this, &BrowserPanel::forwardFileSelection);
    connect(file1_, &FileListBox::rowClicked, nav, &BrowserNavigator::File1_Click);
    connect(file1_, &QAbstractItemView::doubleClicked, nav, &BrowserNavigator::File1_DblClick);
    connect(file1_, &FileListBox::keyPressed, nav, &BrowserNavigator::File1_KeyDown);
    connect(file1_, &FileListBox::mousePressed, nav, &BrowserNavigator::File1_MouseDown);
    connect(cmdCancelFileFilter_, &QPushButton::clicked, nav, &BrowserNavigator::cmdCancelFileFilter_Click);
    connect(cmdPlaySpecificSong_, &QPushButton::clicked, nav, &BrowserNavigator::cmdPlaySpecificSong_Click);
    for (int i = 0; i < 2; ++i)
        connect(imgClipFileLink_[i], &ClickLabel::clicked, this, [this, i] { navigator_.imgClipFileLink_Click(i); });
}
