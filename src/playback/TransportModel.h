#pragma once

#include <QObject>
#include <QString>

// What the transport panel shows, as song start and the transport decide it:
// the texts of its labels, the markers' positions and the values the
// original controls kept in their tags. The panel draws it on changed().
class TransportModel : public QObject {
    Q_OBJECT
public:
    explicit TransportModel(QObject* parent = nullptr) : QObject(parent) {}

    static constexpr int kTimeLineUnits = 2000;  // the time line's width in units

    // lblMMState: "Playing", "Playing × 2.0", "Paused", "Stopped".
    QString stateText() const { return stateText_; }
    void setStateText(const QString& text) { assign(stateText_, text); }
    // lblMMTime: position + "/" + length.
    QString timeText() const { return timeText_; }
    void setTimeText(const QString& text) { assign(timeText_, text); }
    // lblMMQuality: the bit rate, or the volume while the slider is shown.
    QString qualityText() const { return qualityText_; }
    void setQualityText(const QString& text) { assign(qualityText_, text); }
    // The bit-rate text kept while the slider shows the volume.
    QString qualityToolTip() const { return qualityToolTip_; }
    void setQualityToolTip(const QString& text) { assign(qualityToolTip_, text); }

    // LinMMTimeBar: left edge in window twips, and its scale (ms per unit
    // of the time line; 0 when the song has no length).
    int timeMarkerLeft() const { return timeMarkerLeft_; }
    void setTimeMarkerLeft(int twips) { assign(timeMarkerLeft_, twips); }
    double timeBarScale() const { return timeBarScale_; }
    void setTimeBarScale(double msPerUnit) { assign(timeBarScale_, msPerUnit); }

    // lblVolSwt: whether the volume slider replaces the state label.
    bool volumeSliderShown() const { return volumeSliderShown_; }
    void setVolumeSliderShown(bool shown) { assign(volumeSliderShown_, shown); }
    // LinMMVolBar: the slider's position in units 0..1000, and its tool tip.
    int volumeUnits() const { return volumeUnits_; }
    void setVolumeUnits(int units) { assign(volumeUnits_, units); }
    QString volumeToolTip() const { return volumeToolTip_; }
    void setVolumeToolTip(const QString& text) { assign(volumeToolTip_, text); }

    // The speed the speed button applies, thousandths of normal, as text.
    QString speedTag() const { return speedTag_; }
    void setSpeedTag(const QString& text) { assign(speedTag_, text); }

signals:
    void changed();
    // The recent files (AppState::FileHist) changed: their menu redraws.
    void fileHistChanged();

private:
    template <typename T>
    void assign(T& field, const T& value) {
        if (field == value) return;
        field = value;
        emit changed();
    }

    QString stateText_;
    QString timeText_;
    QString qualityText_;
    QString qualityToolTip_;
    int timeMarkerLeft_ = 5700;
    double timeBarScale_ = 0.0;
    bool volumeSliderShown_ = false;
    int volumeUnits_ = 0;
    QString volumeToolTip_;
    QString speedTag_ = QStringLiteral("2000");
};
