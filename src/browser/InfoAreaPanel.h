#pragma once

#include <QObject>

#include "ui/widgets/MainPanel.h"

class ClickLabel;
class InformationArea;
class LyricDisplay;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The information area's controls: the three section headers and frames,
// the file details with their three load links, and the lyric section's
// status line, seven-line viewer and step buttons. It places and shows them
// as the information area and the lyric display announce, and forwards
// every click; it also takes the clicks of the browser's folder details.
class InfoAreaPanel : public QObject, public MainPanel {
    Q_OBJECT
public:
    InfoAreaPanel(QWidget* canvas, InformationArea& info, LyricDisplay& lyric, ClickLabel* lblDirDetails,
                  QObject* parent = nullptr);

    void addMenuEntries(const MainMenus&) override {}
    // LyricTimer, for the state inspector.
    void registerTimers(TimerRegistry& timers) override;
    // The compact modes hide the area; the lyric-viewing mode keeps the
    // lyric's viewer and status line at its left, open, and starts the
    // lyric of a playing song.
    void applyWindowMode(WindowMode mode) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets(QWidget* canvas);
    void connectWidgets(ClickLabel* lblDirDetails);
    // Headers, frames and contents for the mode and the open sections.
    void drawSections();
    void drawFullSections();
    void drawDetails();
    void drawLyricDetails();
    void drawLyricViewer();

    InformationArea& info_;
    LyricDisplay& lyric_;
    WindowMode mode_ = WindowMode::Full;

    ClickLabel* header_[3] = {};  // lblDetailsSwt, lblLyricSwt, lblInternetSwt
    QFrame* frame_[4] = {};       // rFrame1..3 the sections, rFrame4 the details text's box
    ClickLabel* lblFileDetails_ = nullptr;
    ClickLabel* lblLoadDetails_[3] = {};
    QLabel* lblLyricDetails_ = nullptr;
    QLabel* lblLyricViewer_ = nullptr;
    QPushButton* cmdLyricPos_[2] = {};
};
