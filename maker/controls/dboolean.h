#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <vector>

class QAbstractButton;

namespace doz::controls {

// Switch bank of the test panels: one lamp or toggle switch per line of a digital port (8 lines
// unless set otherwise), line 0 on the left, each captioned with its line number. The
// properties are also reachable through Qt's property interface under the same names
// (setProperty("Value", ...)).
//
// - Style: how the lines look; 1 round lamps (an input port), 7 toggle switches (an output port).
//   Other values look like lamps.
// - ControlMode: 0 the lines only show Value (clicks do nothing), 1 the user toggles the lines.
// - TopColor: the colour of a line that is on (an off line is a dark shade of it).
// - Value: the port pattern, bit n for line n; bits above the line count are dropped.
//
// OnButtonClick is raised only when the user toggles a line (ControlMode 1, enabled bank), after
// Value has changed; setting Value never raises it. Each line is a check-box-like button with the
// accessible name "Line N", so assistive tools and the keyboard (Tab, Space) reach every switch.
// A disabled bank draws greyed and takes no clicks. User-interface thread only.
class TDBoolean : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Style READ Style WRITE SetStyle)
    Q_PROPERTY(uint ControlMode READ ControlMode WRITE SetControlMode)
    Q_PROPERTY(QColor TopColor READ TopColor WRITE SetTopColor)
    Q_PROPERTY(uint Value READ Value WRITE SetValue)
public:
    static constexpr std::int16_t LampStyle = 1;
    static constexpr std::int16_t SwitchStyle = 7;
    static constexpr std::uint32_t IndicatorMode = 0;
    static constexpr std::uint32_t UserMode = 1;

    explicit TDBoolean(QWidget* parent = nullptr, int lineCount = 8);
    ~TDBoolean() override;

    std::int16_t Style() const { return style_; }
    void SetStyle(std::int16_t style);
    std::uint32_t ControlMode() const { return controlMode_; }
    void SetControlMode(std::uint32_t mode);
    QColor TopColor() const { return topColor_; }
    void SetTopColor(const QColor& color);
    std::uint32_t Value() const { return value_; }
    void SetValue(std::uint32_t value);

    int lineCount() const { return static_cast<int>(lines_.size()); }
    // The button of line `line` (0-based), for tests and assistive tools.
    QAbstractButton* lineButton(int line) const;

signals:
    // The user toggled line `line`; Value already holds the new pattern.
    void OnButtonClick(int line);

private:
    void lineToggledByUser(int line);
    void refreshLines();

    std::vector<QAbstractButton*> lines_;
    std::int16_t style_ = LampStyle;
    std::uint32_t controlMode_ = IndicatorMode;
    QColor topColor_ = QColor(0, 255, 0);
    std::uint32_t value_ = 0;
};

} // namespace doz::controls
