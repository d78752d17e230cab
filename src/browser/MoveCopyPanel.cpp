#include "browser/MoveCopyPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

#include "browser/FileCommandTexts.h"
#include "browser/MoveCopyController.h"
#include "ui/widgets/Placement.h"

namespace {

// Below the destination pair (Drive2 at 1560, Dir2 from 1920 to 4530).
constexpr TwipsRect kOverwritePlace[3]{{3660, 4580, 3000, 240}, {3660, 4830, 1450, 240}, {5160, 4830, 1500, 240}};
constexpr TwipsRect kEnterDirPlace{3660, 5080, 3000, 240};
constexpr TwipsRect kNextPlace{3660, 5360, 1450, 330};
constexpr TwipsRect kCancelPlace{5210, 5360, 1450, 330};
// Behind the panel: the whole middle column from Drive2 down, so the
// information area's headers do not show through between the controls.
constexpr TwipsRect kBackingPlace{3600, 1500, 4380, 4290};
const QString kBackingName = QStringLiteral("移動或複製檔案");

}  // namespace

MoveCopyPanel::MoveCopyPanel(QWidget* canvas, MoveCopyController& controller, QComboBox* drive2, QWidget* dir2,
                             QObject* parent)
    : QObject(parent ? parent : canvas), controller_(controller), drive2_(drive2), dir2_(dir2) {
    using namespace FileCommandTexts;
    backing_ = makePlaced<QFrame>(canvas, QStringLiteral("fraFileCopy"), kBackingName, kBackingPlace);
    backing_->setFrameShape(QFrame::StyledPanel);
    backing_->setAutoFillBackground(true);
    const QString captions[3] = {kOverwriteCaption, kOverwriteAlways, kOverwriteNever};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        options_[i] = makePlaced<QRadioButton>(canvas, QStringLiteral("optFCOverWrite(%1)").arg(i), captions[i],
                                              kOverwritePlace[i], captions[i]);
        group->addButton(options_[i], i);
    }
    options_[static_cast<int>(controller_.overwrite())]->setChecked(true);
    enterDir_ = makePlaced<QCheckBox>(canvas, QStringLiteral("chkFCEnterDir"), kEnterDir, kEnterDirPlace, kEnterDir);
    enterDir_->setChecked(controller_.enterDir());
    next_ = makePlaced<QPushButton>(canvas, QStringLiteral("cmdFCNext"), kNext, kNextPlace, kNext);
    cancel_ = makePlaced<QPushButton>(canvas, QStringLiteral("cmdFCCancel"), kCancel, kCancelPlace, kCancel);

    connect(group, &QButtonGroup::idClicked, this,
            [this](int id) { controller_.setOverwrite(static_cast<MoveCopyController::Overwrite>(id)); });
    connect(enterDir_, &QCheckBox::toggled, this, [this](bool on) { controller_.setEnterDir(on); });
    connect(next_, &QPushButton::clicked, &controller_, &MoveCopyController::cmdFCNext_Click);
    connect(cancel_, &QPushButton::clicked, &controller_, &MoveCopyController::cmdFCCancel_Click);
    connect(&controller_, &MoveCopyController::panelChanged, this, &MoveCopyPanel::draw);
    draw();
}

void MoveCopyPanel::applyWindowMode(WindowMode mode) {
    fullMode_ = !isCompact(mode);
    // The compact modes have no room for the panel: an open one is
    // cancelled rather than left waiting for a destination out of sight.
    if (!fullMode_ && controller_.isOpen()) controller_.cmdFCCancel_Click();
    draw();
}

void MoveCopyPanel::draw() {
    const bool shown = fullMode_ && controller_.isOpen();
    for (QWidget* widget : std::initializer_list<QWidget*>{backing_, drive2_, dir2_, options_[0], options_[1],
                                                           options_[2], enterDir_, next_, cancel_}) {
        widget->setVisible(shown);
        // Over the information area while open.
        if (shown) widget->raise();
    }
}
