#include "playlist/PlaylistPanel.h"

#include <QFont>
#include <QFrame>
#include <QPointer>
#include <QStyle>
#include <QToolButton>

#include "app/AppState.h"
#include "app/TimerRegistry.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/Placement.h"
#include "playlist/CopySongPicture.h"
#include "playlist/PlaylistLayout.h"
#include "playlist/PlaylistListView.h"
#include "playlist/PlaylistMenus.h"
#include "playlist/PlaylistPageLabel.h"

namespace {

constexpr int kDetailsFontPx = 11;

// Names for screen readers. The list and the page label show the same
// entries in different window modes, so they share a name.
const QString kEntriesName = QStringLiteral("PlayList 項目");
const QString kInfoShows = QStringLiteral("PlayList 資訊");
const QString kBorderName = QStringLiteral("PlayList 外框");
const QString kMarkerName = QStringLiteral("選取項目標記");
// Both page buttons carry the page's mouse help as their tooltip, which
// does not tell them apart; their names say which way they turn.
const QString kPageButtonNames[2] = {QStringLiteral("PlayList 上一頁"), QStringLiteral("PlayList 下一頁")};

QToolButton* pictureButton(QWidget* canvas, const QString& name, QStyle::StandardPixmap icon,
                           const QString& toolTip) {
    auto* button = new QToolButton(canvas);
    button->setObjectName(name);
    button->setIcon(canvas->style()->standardIcon(icon));
    AccessibleNames::setPictureTip(button, toolTip);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

PlaylistPanel::PlaylistPanel(QWidget* canvas, Playlist& playlist, AppState& state)
    : QObject(canvas), playlist_(playlist), state_(state) {
    buildFullModeControls(canvas);
    buildEditControls(canvas);
    buildPageControls(canvas);
    connectLogic();
    for (QWidget* w : fullModeOnly() + pageViewOnly() + QList<QWidget*>{details_[0], details_[1]}) widgets_.append(w);
    applyWindowMode(static_cast<WindowMode>(state_.WindowMode));
}

PlaylistPanel::~PlaylistPanel() {
    // The widgets hold on to the playlist logic, so they go first (the
    // canvas may have deleted some already).
    for (const QPointer<QWidget>& w : std::as_const(widgets_)) delete w.data();
}

void PlaylistPanel::buildFullModeControls(QWidget* canvas) {
    for (int i = 0; i < 2; ++i) {
        details_[i] = new ClickLabel(canvas);
        details_[i]->setObjectName(QStringLiteral("lblPLDetails_%1").arg(i));
        details_[i]->setTextFormat(Qt::PlainText);
        // The compact modes give these labels little width; a smaller font
        // keeps the whole information line readable there.
        QFont small = details_[i]->font();
        small.setPixelSize(kDetailsFontPx);
        details_[i]->setFont(small);
        connect(details_[i], &ClickLabel::clicked, this, [this] { playlist_.commands().lblPLDetails_Click(); });
    }
    AccessibleNames::nameLabel(details_[0], kInfoShows);
    list_ = new PlaylistListView(playlist_.events(), canvas);
    list_->setObjectName(QStringLiteral("listPLItemName"));
    list_->setAccessibleName(kEntriesName);
    list_->setModel(&playlist_.display().lines());

    const QString startTips[2] = {QStringLiteral("播放PlayList"), QStringLiteral("順序播放PlayList")};
    const QStyle::StandardPixmap startIcons[2] = {QStyle::SP_MediaPlay, QStyle::SP_MediaSeekForward};
    for (int i = 0; i < 2; ++i) {
        startButtons_[i] = pictureButton(canvas, QStringLiteral("cmdStartPlayList_%1").arg(i), startIcons[i], startTips[i]);
        connect(startButtons_[i], &QToolButton::clicked, this, [this, i] { playlist_.Start(i); });
    }
    stopButton_ = pictureButton(canvas, QStringLiteral("cmdStopPlayList"), QStyle::SP_MediaStop,
                                QStringLiteral("停止播放PlayList"));
    connect(stopButton_, &QToolButton::clicked, this, [this] { playlist_.Stop(); });
    loadPicture_ = pictureButton(canvas, QStringLiteral("imgLoadSPPL"), QStyle::SP_DialogOpenButton,
                                 QStringLiteral("載入PlayList"));
    connect(loadPicture_, &QToolButton::clicked, this, [this] { playlist_.commands().mnuPLEvents(PlaylistCommands::Open); });
}

void PlaylistPanel::buildEditControls(QWidget* canvas) {
    PlaylistEditing& editing = playlist_.editing();
    const QString addTips[4] = {QStringLiteral("新增選取的檔案"), QStringLiteral("新增資料夾內的歌曲 (mp3, wav)"),
                                QStringLiteral("新增路徑欄的路徑"), QStringLiteral("以目前的檔案取代選取項目的路徑")};
    const QStyle::StandardPixmap addIcons[4] = {QStyle::SP_FileIcon, QStyle::SP_FileDialogNewFolder,
                                                QStyle::SP_FileLinkIcon, QStyle::SP_BrowserReload};
    for (int i = 0; i < 4; ++i) {
        addButtons_[i] = pictureButton(canvas, QStringLiteral("cmdAddItem_%1").arg(i), addIcons[i], addTips[i]);
        connect(addButtons_[i], &QToolButton::clicked, this, [&editing, i] { editing.cmdAddItem(i); });
    }
    const QString deleteTips[2] = {QStringLiteral("移除選取的PlayList項目"), QStringLiteral("移除所有PlayList項目")};
    const QStyle::StandardPixmap deleteIcons[2] = {QStyle::SP_DialogDiscardButton, QStyle::SP_TrashIcon};
    for (int i = 0; i < 2; ++i) {
        deleteButtons_[i] =
            pictureButton(canvas, QStringLiteral("cmdDeleteItem_%1").arg(i), deleteIcons[i], deleteTips[i]);
        connect(deleteButtons_[i], &QToolButton::clicked, this, [&editing, i] { editing.cmdDeleteItem(i); });
    }
    copySongLink_ = new ClickLabel(canvas);
    copySongLink_->setObjectName(QStringLiteral("imgCopySongLink"));
    AccessibleNames::setPictureTip(copySongLink_, QStringLiteral("複製選取項目的路徑至剪貼薄"));
    copySongLink_->setCursor(Qt::PointingHandCursor);
    placeAt(copySongLink_, PlaylistLayout::kCopySongLink);
    copySongLink_->setPixmap(CopySongPicture::draw(copySongLink_->size()));
    connect(copySongLink_, &ClickLabel::clicked, this, [&editing] { editing.imgCopySongLink_Click(); });
}

void PlaylistPanel::buildPageControls(QWidget* canvas) {
    border_ = new QFrame(canvas);
    border_->setObjectName(QStringLiteral("lblPLBorder"));
    border_->setAccessibleName(kBorderName);
    border_->setFrameShape(QFrame::Box);
    border_->setAttribute(Qt::WA_TransparentForMouseEvents);
    pageLabel_ = new PlaylistPageLabel(playlist_.events(), canvas);
    pageLabel_->setObjectName(QStringLiteral("lblPLItemName"));
    pageLabel_->setAccessibleName(kEntriesName);
    marker_ = new QFrame(canvas);
    marker_->setObjectName(QStringLiteral("lblPLMargin"));
    marker_->setAccessibleName(kMarkerName);
    // A soft band under the text rather than a box across it.
    marker_->setStyleSheet(QStringLiteral("QFrame#lblPLMargin { background: rgba(48, 112, 192, 60); border: none; }"));
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    const QString tip = QStringLiteral("『右鍵』播放項目、『左鍵』選取項目、CTRL +『右鍵』移除項目");
    const QStyle::StandardPixmap icons[2] = {QStyle::SP_ArrowUp, QStyle::SP_ArrowDown};
    for (int i = 0; i < 2; ++i) {
        pageButtons_[i] = pictureButton(canvas, QStringLiteral("cmdlblPLPage_%1").arg(i), icons[i], tip);
        pageButtons_[i]->setAccessibleName(kPageButtonNames[i]);
        connect(pageButtons_[i], &QToolButton::clicked, this, [this, i] { playlist_.display().cmdlblPLPage_Click(i); });
    }
}

void PlaylistPanel::connectLogic() {
    PlaylistLabels& labels = playlist_.labels();
    connect(&labels, &PlaylistLabels::infoChanged, details_[0],
            [this](const QString& text) { AccessibleNames::setLabelText(details_[0], text); });
    connect(&labels, &PlaylistLabels::nameChanged, this, &PlaylistPanel::showName);
    showName(labels.nameCaption(), labels.nameToolTip());
    playlist_.scheduler().updateInfo();
    AccessibleNames::setLabelText(details_[0], labels.infoCaption());

    PlaylistDisplay& display = playlist_.display();
    connect(&display, &PlaylistDisplay::selectionChanged, list_, &PlaylistListView::showSelection);
    connect(&display, &PlaylistDisplay::pageTextChanged, pageLabel_, &PlaylistPageLabel::setText);
    connect(&display, &PlaylistDisplay::markerMoved, this, &PlaylistPanel::placeMarker);
}

void PlaylistPanel::showName(const QString& caption, const QString& toolTip) {
    // The caption begins with "PlayList 名稱", so it says itself what it shows.
    AccessibleNames::setLabelText(details_[1], caption);
    details_[1]->setToolTip(toolTip);
}

void PlaylistPanel::placeMarker(int topTwips) {
    const int mode = state_.WindowMode == 2 ? 2 : 1;
    const auto& view = PlaylistLayout::kPageViews[mode - 1];
    placeAt(marker_, {view.markerLeft, topTwips, view.markerWidth, PlaylistLayout::kMarkerHeight});
}

void PlaylistPanel::addMenuEntries(const MainMenus& menus) {
    PlaylistMenus::fill(menus.menu(MainMenu::Playlist), playlist_);
}

void PlaylistPanel::registerTimers(TimerRegistry& timers) {
    timers.add(QStringLiteral("PlayListTimer"), &playlist_.scheduler().PlayListTimer());
    timers.add(QStringLiteral("PLInfoTimer"), &playlist_.scheduler().PLInfoTimer());
    timers.add(QStringLiteral("SongLenTimer"), &playlist_.lengthTest().SongLenTimer());
}

QList<QWidget*> PlaylistPanel::fullModeOnly() const {
    QList<QWidget*> widgets{list_, startButtons_[0], startButtons_[1], stopButton_, loadPicture_, copySongLink_};
    for (QToolButton* b : addButtons_) widgets.append(b);
    for (QToolButton* b : deleteButtons_) widgets.append(b);
    return widgets;
}

QList<QWidget*> PlaylistPanel::pageViewOnly() const {
    return {pageLabel_, border_, marker_, pageButtons_[0], pageButtons_[1]};
}

void PlaylistPanel::applyWindowMode(WindowMode mode) {
    using namespace PlaylistLayout;
    const bool page = isCompact(mode);
    for (QWidget* w : fullModeOnly()) w->setVisible(!page);
    for (QWidget* w : pageViewOnly()) w->setVisible(page);
    if (!page) {
        placeAt(details_[0], kInfoLabel);
        placeAt(details_[1], kNameLabel);
        placeAt(list_, kList);
        placeAt(loadPicture_, kLoadPicture);
        for (int i = 0; i < 2; ++i) placeAt(startButtons_[i], {kStartLeft[i], kButtonRowTop, kButtonSize, kButtonSize});
        placeAt(stopButton_, {kStopLeft, kButtonRowTop, kButtonSize, kButtonSize});
        for (int i = 0; i < 4; ++i) placeAt(addButtons_[i], {kAddLeft[i], kEditRowTop, kButtonSize, kButtonSize});
        for (int i = 0; i < 2; ++i)
            placeAt(deleteButtons_[i], {kDeleteLeft[i], kEditRowTop, kButtonSize, kButtonSize});
        return;
    }
    const PageView& view = kPageViews[mode == WindowMode::LyricView ? 0 : 1];
    placeAt(details_[0], view.info);
    placeAt(details_[1], view.name);
    placeAt(border_, view.border);
    placeAt(pageLabel_, view.label);
    // A new mode starts on the first page, with the marker on its first row.
    placeMarker(view.label.top);
    for (int i = 0; i < 2; ++i)
        placeAt(pageButtons_[i], {view.pageButtonLeft, view.pageButtonTop[i], kPageButtonSize, kPageButtonSize});
    // Bottom to top: border, marker band, text, page buttons.
    border_->lower();
    marker_->raise();
    pageLabel_->raise();
    for (QToolButton* b : pageButtons_) b->raise();
}
