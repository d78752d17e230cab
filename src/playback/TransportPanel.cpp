#include "playback/TransportPanel.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "common/Twips.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/LineControl.h"
#include "ui/widgets/Placement.h"
#include "playback/TransportController.h"
#include "playback/TransportModel.h"

namespace {

// Window twips of the controls (full mode).
constexpr int kButtonsLeft = 3720;
constexpr int kButtonStep = 690;
constexpr int kButtonsTop = 240;
constexpr int kRow2Top = 840;
constexpr int kRow3Top = 1200;
constexpr int kRowHeight = 270;
constexpr int kTimeLineLeft = 5700;  // ShiftConst(0) of the full mode
constexpr int kMarkerWidthPx = 5;

struct ButtonLook {
    const char* themeIcon;
    QStyle::StandardPixmap fallback;
    QString toolTip;
};

const ButtonLook& buttonLook(int index) {
    static const ButtonLook looks[6] = {
        {"media-playback-start", QStyle::SP_MediaPlay, QStringLiteral("播放歌曲")},
        {"media-playback-pause", QStyle::SP_MediaPause, QStringLiteral("暫停播放歌曲")},
        {"media-playback-stop", QStyle::SP_MediaStop, QStringLiteral("停止播放歌曲")},
        {"media-seek-backward", QStyle::SP_MediaSeekBackward, QStringLiteral("倒退4秒")},
        {"media-seek-forward", QStyle::SP_MediaSeekForward, QStringLiteral("以設定的速度播放")},
        {"media-skip-backward", QStyle::SP_MediaSkipBackward, QStringLiteral("從頭播放歌曲")},
    };
    return looks[index];
}

const QString kMenuCaptions[8] = {
    QStringLiteral("播放歌曲"),         QStringLiteral("暫停播放歌曲"),     QStringLiteral("停止播放歌曲"),
    QStringLiteral("播放PlayList"),     QStringLiteral("順序播放PlayList"), QStringLiteral("停止播放PlayList"),
    QStringLiteral("歌曲時間跳至"),     QStringLiteral("調整歌曲播放速度"),
};

// Names for screen readers: the lines and markers show no text, and the
// labels' names say what their changing texts are.
const QString kPanelName = QStringLiteral("播放控制");
const QString kFrameName = QStringLiteral("播放控制外框");
const QString kTimeLineName = QStringLiteral("播放進度");
const QString kTimeMarkerName = QStringLiteral("播放位置");
const QString kVolumeLineName = QStringLiteral("調整音量");
const QString kVolumeMarkerName = QStringLiteral("音量位置");
const QString kStateShows = QStringLiteral("播放狀態");
const QString kTimeShows = QStringLiteral("播放時間");
const QString kBitRateShows = QStringLiteral("位元率");
const QString kVolumeShows = QStringLiteral("音量");

QFrame* makeMarker(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* marker = new QFrame(parent);
    marker->setObjectName(QLatin1String(name));
    marker->setAccessibleName(accessibleName);
    marker->setFrameShape(QFrame::Box);
    marker->setAutoFillBackground(true);
    marker->setBackgroundRole(QPalette::Highlight);
    // Clicks and hovering reach the line underneath, which owns them.
    marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    return marker;
}

}  // namespace

TransportPanel::TransportPanel(TransportController& controller, TransportModel& model, QWidget* parent)
    : QWidget(parent), controller_(controller), model_(model) {
    setObjectName(QStringLiteral("TransportPanel"));
    setAccessibleName(kPanelName);
    setGeometry(Twips::rectToPx(kLeftTwips, kTopTwips, kWidthTwips, kHeightTwips));
    rFrame0_ = new QFrame(this);
    rFrame0_->setObjectName(QStringLiteral("rFrame0"));
    rFrame0_->setAccessibleName(kFrameName);
    rFrame0_->setFrameShape(QFrame::StyledPanel);
    rFrame0_->setFrameShadow(QFrame::Sunken);
    place(rFrame0_, {kLeftTwips, kTopTwips, kWidthTwips, kHeightTwips});
    buildButtons();
    buildLabels();
    buildLines();
    connect(&model_, &TransportModel::changed, this, &TransportPanel::render);
    render();
}

void TransportPanel::place(QWidget* widget, const TwipsRect& windowTwips) {
    // The controls' table is in window twips; the panel is their parent.
    placeAt(widget, windowTwips.movedBy(-originTwips_.x(), -originTwips_.y()));
}

void TransportPanel::buildButtons() {
    for (int i = 0; i < 6; ++i) {
        const ButtonLook& look = buttonLook(i);
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdMMControl(%1)").arg(i));
        button->setIcon(QIcon::fromTheme(QLatin1String(look.themeIcon), style()->standardIcon(look.fallback)));
        button->setIconSize(QSize(20, 20));
        AccessibleNames::setPictureTip(button, look.toolTip);
        place(button, {kButtonsLeft + i * kButtonStep, kButtonsTop, 660, 450});
        connect(button, &QToolButton::clicked, this, [this, i] { controller_.cmdMMControl_Click(i); });
        cmdMMControl_[static_cast<size_t>(i)] = button;
    }
}

void TransportPanel::buildLabels() {
    lblMMState_ = new QLabel(this);
    lblMMState_->setObjectName(QStringLiteral("lblMMState"));
    AccessibleNames::nameLabel(lblMMState_, kStateShows);
    place(lblMMState_, {kButtonsLeft, kRow2Top, 1440, kRowHeight});

    lblVolSwt_ = new QToolButton(this);
    lblVolSwt_->setObjectName(QStringLiteral("lblVolSwt"));
    lblVolSwt_->setText(QStringLiteral("音量"));
    lblVolSwt_->setToolTip(QStringLiteral("顯示/隱藏音量"));
    // "音量" alone would read like the volume line; the tooltip says what the switch does.
    lblVolSwt_->setAccessibleName(lblVolSwt_->toolTip());
    lblVolSwt_->setAutoRaise(true);
    place(lblVolSwt_, {5100, kRow2Top - 15, 510, kRowHeight + 30});
    connect(lblVolSwt_, &QToolButton::clicked, this, [this] { controller_.lblVolSwt_Click(); });

    lblMMTime_ = new QLabel(this);
    lblMMTime_->setObjectName(QStringLiteral("lblMMTime"));
    AccessibleNames::nameLabel(lblMMTime_, kTimeShows);
    lblMMTime_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(lblMMTime_, {kTimeLineLeft, kRow2Top, TransportModel::kTimeLineUnits, kRowHeight});

    lblMMQuality_ = new QLabel(this);
    lblMMQuality_->setObjectName(QStringLiteral("lblMMQuality"));
    AccessibleNames::nameLabel(lblMMQuality_, kBitRateShows);
    place(lblMMQuality_, {kButtonsLeft, kRow3Top, 1440, kRowHeight});
}

void TransportPanel::buildLines() {
    LinMMTimeLin_ = new LineControl(this);
    LinMMTimeLin_->setObjectName(QStringLiteral("LinMMTimeLin"));
    LinMMTimeLin_->setAccessibleName(kTimeLineName);
    place(LinMMTimeLin_, {kTimeLineLeft, kRow3Top, TransportModel::kTimeLineUnits, kRowHeight});
    LinMMTimeBar_ = makeMarker(this, "LinMMTimeBar", kTimeMarkerName);
    connect(LinMMTimeLin_, &LineControl::pressed, this,
            [this](double x) { controller_.LinMMTimeLin_MouseDown(x); });
    connect(LinMMTimeLin_, &LineControl::hovered, this,
            [this] { LinMMTimeLin_->setToolTip(controller_.timeLineToolTip()); });

    LinMMVolLin_ = new LineControl(this);
    LinMMVolLin_->setObjectName(QStringLiteral("LinMMVolLin"));
    LinMMVolLin_->setAccessibleName(kVolumeLineName);
    place(LinMMVolLin_, {kButtonsLeft, kRow2Top, 1000, kRowHeight});
    LinMMVolBar_ = makeMarker(this, "LinMMVolBar", kVolumeMarkerName);
    connect(LinMMVolLin_, &LineControl::pressed, this, [this](double x) { controller_.LinMMVolLin_MouseDown(x); });
}

void TransportPanel::placeMarker(QWidget* marker, const QWidget* line, int leftTwips) {
    // The marker is centred on its position and kept on the line, even when
    // the software clock runs past the song's end.
    const QRect lineRect = line->geometry();
    const int x = qBound(lineRect.left() - 1, Twips::toPx(leftTwips - originTwips_.x()) - kMarkerWidthPx / 2,
                         lineRect.right() - 1);
    marker->setGeometry(x, lineRect.top() + 2, kMarkerWidthPx, lineRect.height() - 4);
    marker->raise();
}

void TransportPanel::render() {
    const bool slider = model_.volumeSliderShown();
    AccessibleNames::setLabelText(lblMMState_, model_.stateText());
    lblMMState_->setVisible(!slider);
    LinMMVolLin_->setVisible(slider);
    LinMMVolBar_->setVisible(slider);
    LinMMVolLin_->setToolTip(model_.volumeToolTip());
    AccessibleNames::setLabelText(lblMMTime_, model_.timeText());
    // While the slider is shown the quality label shows the volume instead.
    AccessibleNames::nameLabel(lblMMQuality_, slider ? kVolumeShows : kBitRateShows);
    AccessibleNames::setLabelText(lblMMQuality_, model_.qualityText());
    lblMMQuality_->setToolTip(model_.qualityToolTip());
    placeMarker(LinMMTimeBar_, LinMMTimeLin_, model_.timeMarkerLeft());
    // The volume line's left end in window twips follows the panel.
    const int volumeLineLeft = originTwips_.x() + (kButtonsLeft - kLeftTwips);
    placeMarker(LinMMVolBar_, LinMMVolLin_, volumeLineLeft + model_.volumeUnits());
}

void TransportPanel::addMenuEntries(const MainMenus& menus) {
    QMenu* playMenu = menus.menu(MainMenu::Play);
    for (int i = 0; i < 8; ++i) {
        if (i == 3 || i == 6) playMenu->addSeparator();
        QAction* action = playMenu->addAction(kMenuCaptions[i]);
        action->setObjectName(QStringLiteral("mnuMMControl(%1)").arg(i));
        connect(action, &QAction::triggered, this, [this, i] { controller_.mnuMMControl_Click(i); });
        menuEntries_[static_cast<size_t>(i)] = action;
    }
}

void TransportPanel::applyWindowMode(WindowMode mode) {
    const int left = isCompact(mode) ? kLeftTwips - kCompactShiftTwips : kLeftTwips;
    shiftTwips(left - originTwips_.x());
}

void TransportPanel::shiftTwips(int dx) {
    if (dx == 0) return;
    originTwips_.rx() += dx;
    move(Twips::toPx(originTwips_.x()), Twips::toPx(originTwips_.y()));
    // The time marker moves with the line it stands on, as the time line's
    // left end (ShiftConst(0)) does; the next tick places it from there.
    model_.setTimeMarkerLeft(model_.timeMarkerLeft() + dx);
    render();
}
