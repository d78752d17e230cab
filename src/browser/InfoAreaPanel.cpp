#include "browser/InfoAreaPanel.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

#include "app/TimerRegistry.h"
#include "browser/InfoAreaLayout.h"
#include "browser/InformationArea.h"
#include "lyrics/LyricDisplay.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/Placement.h"

namespace {

using namespace InfoAreaLayout;

constexpr InfoSection kSections[3] = {InfoSection::Details, InfoSection::Lyric, InfoSection::Remote};
const char* const kHeaderNames[3] = {"lblDetailsSwt", "lblLyricSwt", "lblInternetSwt"};
const QString kHeaderCaptions[3] = {QStringLiteral("♀ 顯示檔案詳細資料"), QStringLiteral("♀ 歌詞瀏覽器"),
                                    QStringLiteral("♀ 互聯網遙距控制 (Under Construction)")};
const QString kFrameNames[4] = {QStringLiteral("檔案詳細資料外框"), QStringLiteral("歌詞瀏覽器外框"),
                                QStringLiteral("互聯網遙距控制外框"), QStringLiteral("檔案詳細資料文字外框")};
const QString kLoadCaptions[3] = {QStringLiteral("載入路徑"), QStringLiteral("/ 歌曲"), QStringLiteral("/ 批次")};
const QString kLoadNames[3] = {QStringLiteral("載入路徑的檔案資料"), QStringLiteral("載入歌曲的檔案資料"),
                               QStringLiteral("載入選擇檔案的總共大小")};
const QString kFileDetailsTip = QStringLiteral("按『左鍵』可以複製資料，『右鍵』可以開啟歌詞");
const QString kLyricPosCaptions[2] = {QStringLiteral("▲"), QStringLiteral("▼")};
const QString kLyricPosTips[2] = {QStringLiteral("上一行歌詞"), QStringLiteral("下一行歌詞")};

template <typename Widget>
Widget* make(QWidget* canvas, const QString& objectName) {
    auto* widget = new Widget(canvas);
    widget->setObjectName(objectName);
    return widget;
}

QFont smallFont(const QWidget* canvas, int pixelSize) {
    QFont font = canvas->font();
    font.setPixelSize(pixelSize);
    return font;
}

QString indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

// The viewer's seven lines with the middle one, the line sung now, in bold.
QString viewerHtml(const QString& text) {
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QStringList html;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).toHtmlEscaped();
        html << (lines.size() == 7 && i == 3 ? QStringLiteral("<b>") + line + QStringLiteral("</b>") : line);
    }
    return html.join(QStringLiteral("<br>"));
}

}  // namespace

InfoAreaPanel::InfoAreaPanel(QWidget* canvas, InformationArea& info, LyricDisplay& lyric, ClickLabel* lblDirDetails,
                             QObject* parent)
    : QObject(parent), info_(info), lyric_(lyric) {
    buildWidgets(canvas);
    connectWidgets(lblDirDetails);
    drawDetails();
    drawLyricDetails();
    drawLyricViewer();
    drawSections();
}

void InfoAreaPanel::buildWidgets(QWidget* canvas) {
    for (int i = 0; i < 4; ++i) {
        frame_[i] = make<QFrame>(canvas, QStringLiteral("rFrame%1").arg(i + 1));
        frame_[i]->setFrameShape(QFrame::StyledPanel);
        frame_[i]->setFrameShadow(i == 3 ? QFrame::Sunken : QFrame::Plain);
        frame_[i]->setAccessibleName(kFrameNames[i]);
        // The transport panel's lower edge runs under the first section's
        // frame; the sections cover it.
        frame_[i]->setAutoFillBackground(i < 3);
    }
    placeAt(frame_[3], kDetailsBox);
    for (int i = 0; i < 3; ++i) {
        header_[i] = make<ClickLabel>(canvas, QLatin1String(kHeaderNames[i]));
        header_[i]->setText(kHeaderCaptions[i]);
        header_[i]->setAccessibleName(kHeaderCaptions[i]);
        // The caption stands on its frame's top edge, as a group box's does.
        header_[i]->setAutoFillBackground(true);
        header_[i]->setCursor(Qt::PointingHandCursor);
    }
    lblFileDetails_ = make<ClickLabel>(canvas, QStringLiteral("lblFileDetails"));
    lblFileDetails_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblFileDetails_->setTextFormat(Qt::PlainText);
    lblFileDetails_->setToolTip(kFileDetailsTip);
    // Eleven lines in the section's height.
    lblFileDetails_->setFont(smallFont(canvas, 11));
    AccessibleNames::nameLabel(lblFileDetails_, QStringLiteral("檔案詳細資料"));
    placeAt(lblFileDetails_, kFileDetails);
    for (int i = 0; i < 3; ++i) {
        lblLoadDetails_[i] = make<ClickLabel>(canvas, indexed("lblLoadDetails", i));
        lblLoadDetails_[i]->setText(kLoadCaptions[i]);
        lblLoadDetails_[i]->setAccessibleName(kLoadNames[i]);
        lblLoadDetails_[i]->setToolTip(kLoadNames[i]);
        lblLoadDetails_[i]->setCursor(Qt::PointingHandCursor);
        placeAt(lblLoadDetails_[i], kLoadDetails[i]);
    }
    lblLyricDetails_ = make<QLabel>(canvas, QStringLiteral("lblLyricDetails"));
    AccessibleNames::nameLabel(lblLyricDetails_, QStringLiteral("歌詞資料"));
    // The longest status ("更新速率: 65535 (ms) [-200] 行數: 999/999") fits beside the header.
    lblLyricDetails_->setFont(smallFont(canvas, 10));
    lblLyricViewer_ = make<QLabel>(canvas, QStringLiteral("lblLyricViewer"));
    lblLyricViewer_->setAlignment(Qt::AlignCenter);
    lblLyricViewer_->setTextFormat(Qt::RichText);
    lblLyricViewer_->setToolTip(QStringLiteral("按『左鍵』下一行，『右鍵』上一行"));
    lblLyricViewer_->installEventFilter(this);
    for (int i = 0; i < 2; ++i) {
        cmdLyricPos_[i] = make<QPushButton>(canvas, indexed("cmdLyricPos", i));
        cmdLyricPos_[i]->setText(kLyricPosCaptions[i]);
        AccessibleNames::setPictureTip(cmdLyricPos_[i], kLyricPosTips[i]);
        placeAt(cmdLyricPos_[i], kLyricPos[i]);
    }
}

void InfoAreaPanel::connectWidgets(ClickLabel* lblDirDetails) {
    connect(header_[0], &ClickLabel::clicked, this, [this] { info_.lblDetailsSwt_Click(); });
    connect(header_[1], &ClickLabel::clicked, this, [this] { lyric_.lblLyricSwt_Click(); });
    connect(header_[2], &ClickLabel::clicked, this, [this] { info_.lblInternetSwt_Click(); });
    for (int i = 0; i < 3; ++i)
        connect(lblLoadDetails_[i], &ClickLabel::clicked, this, [this, i] { info_.lblLoadDetails_Click(i); });
    connect(lblFileDetails_, &ClickLabel::released, this,
            [this](Qt::MouseButton button) { info_.lblFileDetails_MouseUp(button); });
    if (lblDirDetails)
        connect(lblDirDetails, &ClickLabel::released, this,
                [this](Qt::MouseButton button) { info_.lblDirDetails_MouseUp(button); });
    for (int i = 0; i < 2; ++i)
        connect(cmdLyricPos_[i], &QPushButton::clicked, this, [this, i] { lyric_.cmdLyricPos_Click(i); });
    connect(&info_, &InformationArea::sectionsChanged, this, &InfoAreaPanel::drawSections);
    connect(&info_, &InformationArea::detailsChanged, this, &InfoAreaPanel::drawDetails);
    connect(&lyric_, &LyricDisplay::detailsChanged, this, &InfoAreaPanel::drawLyricDetails);
    connect(&lyric_, &LyricDisplay::viewerChanged, this, &InfoAreaPanel::drawLyricViewer);
}

bool InfoAreaPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblLyricViewer_ && event->type() == QEvent::MouseButtonPress) {
        lyric_.lblLyricViewer_MouseDown(static_cast<QMouseEvent*>(event)->button());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void InfoAreaPanel::registerTimers(TimerRegistry& timers) {
    timers.add(QStringLiteral("LyricTimer"), &lyric_.LyricTimer());
}

void InfoAreaPanel::applyWindowMode(WindowMode mode) {
    const WindowMode previous = mode_;
    mode_ = mode;
    if (isCompact(mode)) info_.SetFrameState(InfoSection::None);
    if (mode == WindowMode::LyricView) {
        info_.setLyricFlag(true);
        drawSections();
        lyric_.loadIfPlaying(true);
        return;
    }
    if (mode == WindowMode::Full && previous == WindowMode::LyricView) {
        info_.setLyricFlag(false);
        lyric_.stop();
    }
    drawSections();
}

void InfoAreaPanel::drawSections() {
    if (mode_ == WindowMode::Full) {
        drawFullSections();
        return;
    }
    for (QWidget* widget : {static_cast<QWidget*>(header_[0]), static_cast<QWidget*>(header_[2]),
                            static_cast<QWidget*>(lblFileDetails_), static_cast<QWidget*>(cmdLyricPos_[0]),
                            static_cast<QWidget*>(cmdLyricPos_[1])})
        widget->hide();
    for (QFrame* frame : frame_) frame->hide();
    for (ClickLabel* label : lblLoadDetails_) label->hide();
    const bool lyricView = mode_ == WindowMode::LyricView;
    header_[1]->setVisible(lyricView);
    header_[1]->setEnabled(false);
    lblLyricDetails_->setVisible(lyricView);
    lblLyricViewer_->setVisible(lyricView);
    if (!lyricView) return;
    placeAt(header_[1], kLyricSwtCompact);
    placeAt(lblLyricDetails_, kLyricDetailsCompact);
    placeAt(lblLyricViewer_, kLyricViewerCompact);
}

void InfoAreaPanel::drawFullSections() {
    for (int i = 0; i < 3; ++i) {
        const InformationArea::SectionPlace place = info_.sectionPlace(kSections[i]);
        placeAt(frame_[i],
                {kFrameLeft, place.headerTop + InformationArea::kFrameOffset, kFrameWidth, place.frameHeight});
        placeAt(header_[i], {kHeaderLeft, place.headerTop, kHeaderWidth[i], kHeaderHeight});
        frame_[i]->show();
        header_[i]->show();
        header_[i]->setEnabled(true);
        header_[i]->raise();
    }
    const bool details = info_.isOpen(InfoSection::Details);
    frame_[3]->setVisible(details);
    lblFileDetails_->setVisible(details);
    for (ClickLabel* label : lblLoadDetails_) label->setVisible(details);
    const bool lyric = info_.isOpen(InfoSection::Lyric);
    placeAt(lblLyricDetails_, kLyricDetails);
    placeAt(lblLyricViewer_, kLyricViewer);
    for (QWidget* widget : {static_cast<QWidget*>(lblLyricDetails_), static_cast<QWidget*>(lblLyricViewer_),
                            static_cast<QWidget*>(cmdLyricPos_[0]), static_cast<QWidget*>(cmdLyricPos_[1])}) {
        widget->setVisible(lyric);
        widget->raise();
    }
    for (QWidget* widget : {static_cast<QWidget*>(frame_[3]), static_cast<QWidget*>(lblFileDetails_)}) widget->raise();
    for (ClickLabel* label : lblLoadDetails_) label->raise();
}

void InfoAreaPanel::drawDetails() {
    QString text = info_.detailsText();
    AccessibleNames::setLabelText(lblFileDetails_, text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void InfoAreaPanel::drawLyricDetails() { AccessibleNames::setLabelText(lblLyricDetails_, lyric_.detailsText()); }

void InfoAreaPanel::drawLyricViewer() {
    lblLyricViewer_->setText(viewerHtml(lyric_.viewerText()));
    // A reader reads the lines, not the markup.
    const QString plain = lyric_.viewerText().split(QStringLiteral("\r\n")).join(u' ');
    lblLyricViewer_->setAccessibleName(plain.isEmpty() ? QStringLiteral("歌詞") : QStringLiteral("歌詞：") + plain);
}
