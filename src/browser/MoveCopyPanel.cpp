#include "browser/MoveCopyPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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

template <typename Widget>
Widget* make(QWidget* canvas, const QString& objectName, const QString& caption, const TwipsRect& place) {
    auto* widget = new Widget(caption, canvas);
    widget->setObjectName(objectName);
    widget->setAccessibleName(caption);
    placeAt(widget, place);
    return widget;
}

}  // namespace

MoveCopyPanel::MoveCopyPanel(QWidget* canvas, MoveCopyController& controller, QComboBox* drive2, QWidget* dir2,
                             QObject* parent)
    : QObject(parent ? parent : canvas), controller_(controller), drive2_(drive2), dir2_(dir2) {
    using namespace FileCommandTexts;
    const QString captions[3] = {kOverwriteCaption, kOverwriteAlways, kOverwriteNever};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        options_[i] = make<QRadioButton>(canvas, QStringLiteral("optFCOverWrite(%1)").arg(i), captions[i], kOverwritePlace[i]);
        group->addButton(options_[i], i);
    }
    options_[static_cast<int>(controller_.overwrite())]->setChecked(true);
    enterDir_ = make<QCheckBox>(canvas, QStringLiteral("chkFCEnterDir"), kEnterDir, kEnterDirPlace);
    enterDir_->setChecked(controller_.enterDir());
    next_ = make<QPushButton>(canvas, QStringLiteral("cmdFCNext"), kNext, kNextPlace);
    cancel_ = make<QPushButton>(canvas, QStringLiteral("cmdFCCancel"), kCancel, kCancelPlace);

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
    draw();
}

void MoveCopyPanel::draw() {
    const bool shown = fullMode_ && controller_.isOpen();
    for (QWidget* widget : std::initializer_list<QWidget*>{drive2_, dir2_, options_[0], options_[1], options_[2],
                                                           enterDir_, next_, cancel_}) {
        widget->setVisible(shown);
        // Over the information area while open.
        if (shown) widget->raise();
    }
}
