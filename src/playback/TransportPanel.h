#pragma once

#include <QPoint>
#include <QWidget>

#include <array>

#include "common/Twips.h"
#include "ui/widgets/MainPanel.h"

class LineControl;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;
class TransportController;
class TransportModel;

// The transport panel of the main window: the six buttons cmdMMControl,
// the state, time and quality labels, the time line with its marker and the
// volume slider that shares its place with the state label. It draws the
// TransportModel and hands every click to the TransportController.
//
// Controls are placed in window twips; the panel itself sits at
// `originTwips`, so moving it (the compact window modes) moves them all.
class TransportPanel : public QWidget, public MainPanel {
    Q_OBJECT
public:
    static constexpr int kLeftTwips = 3600;
    static constexpr int kTopTwips = 120;
    static constexpr int kWidthTwips = 4380;
    static constexpr int kHeightTwips = 1560;
    // The compact window modes move the whole panel this far to the left.
    static constexpr int kCompactShiftTwips = 3480;

    TransportPanel(TransportController& controller, TransportModel& model, QWidget* parent = nullptr);

    // Adds mnuMMControl(0)..(7) to the play menu.
    void addMenuEntries(const MainMenus& menus) override;
    void registerTimers(TimerRegistry&) override {}
    // The compact modes move the whole panel 3480 twips to the left; the
    // full mode has it at its own place.
    void applyWindowMode(WindowMode mode) override;
    // Moves the whole panel horizontally (window modes).
    void shiftTwips(int dx);
    int leftTwips() const { return originTwips_.x(); }

    QAction* menuEntry(int index) const { return menuEntries_[static_cast<size_t>(index)]; }

private:
    void buildButtons();
    void buildLabels();
    void buildLines();
    void place(QWidget* widget, const TwipsRect& windowTwips);
    void placeMarker(QWidget* marker, const QWidget* line, int leftTwips);
    void render();

    TransportController& controller_;
    TransportModel& model_;
    QPoint originTwips_{kLeftTwips, kTopTwips};

    QFrame* rFrame0_ = nullptr;
    std::array<QToolButton*, 6> cmdMMControl_{};
    QLabel* lblMMState_ = nullptr;
    QLabel* lblMMTime_ = nullptr;
    QLabel* lblMMQuality_ = nullptr;
    QToolButton* lblVolSwt_ = nullptr;
    LineControl* LinMMTimeLin_ = nullptr;
    QFrame* LinMMTimeBar_ = nullptr;
    LineControl* LinMMVolLin_ = nullptr;
    QFrame* LinMMVolBar_ = nullptr;
    std::array<QAction*, 8> menuEntries_{};
};
