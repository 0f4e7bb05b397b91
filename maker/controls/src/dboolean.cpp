#include "maker/controls/dboolean.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPainter>

#include <algorithm>

namespace doz::controls {
namespace {

// One line of the bank: a lamp or a toggle switch above its line number.
class BooleanLine : public QAbstractButton {
public:
    BooleanLine(int line, const TDBoolean& bank, QWidget* parent) : QAbstractButton(parent), bank_(bank) {
        setCheckable(true);
        setText(QString::number(line));
        setAccessibleName(QStringLiteral("Line %1").arg(line));
    }

    QSize sizeHint() const override { return {26, 46}; }
    QSize minimumSizeHint() const override { return {18, 36}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, true);
        const bool enabled = isEnabled();
        const QColor lit = enabled ? bank_.TopColor() : QColor(170, 170, 170);
        const QColor dark = enabled ? bank_.TopColor().darker(450) : QColor(110, 110, 110);
        const QColor rim = enabled ? QColor(40, 40, 40) : QColor(130, 130, 130);
        const int captionHeight = fontMetrics().height();
        const QRect face = rect().adjusted(2, 2, -2, -captionHeight - 2);
        const int side = std::min(face.width(), face.height());
        if (bank_.Style() == TDBoolean::SwitchStyle)
            paintSwitch(painter, face, lit, dark, rim);
        else
            paintLamp(painter, QRect(face.center().x() - side / 2, face.center().y() - side / 2, side, side),
                      lit, dark, rim);
        painter.setPen(
            palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(QRect(0, height() - captionHeight, width(), captionHeight), Qt::AlignCenter, text());
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    void paintLamp(QPainter& painter, const QRect& lamp, const QColor& lit, const QColor& dark,
                   const QColor& rim) {
        painter.setPen(QPen(rim, 1.5));
        painter.setBrush(isChecked() ? lit : dark);
        painter.drawEllipse(lamp.adjusted(1, 1, -1, -1));
    }

    // A slot with a lever: up and lit for 1, down and dark for 0.
    void paintSwitch(QPainter& painter, const QRect& face, const QColor& lit, const QColor& dark,
                     const QColor& rim) {
        const int slotWidth = std::max(8, face.width() * 2 / 3);
        const QRect slot(face.center().x() - slotWidth / 2, face.top(), slotWidth, face.height());
        painter.setPen(QPen(rim, 1.5));
        painter.setBrush(isChecked() ? lit : dark);
        painter.drawRoundedRect(slot, 3, 3);
        const int knobHeight = slot.height() / 2;
        const QRect knob(slot.left() + 2, isChecked() ? slot.top() + 2 : slot.bottom() - knobHeight - 1,
                         slot.width() - 4, knobHeight);
        painter.setBrush(isEnabled() ? QColor(225, 225, 225) : QColor(160, 160, 160));
        painter.drawRoundedRect(knob, 2, 2);
    }

    const TDBoolean& bank_;
};

} // namespace

TDBoolean::TDBoolean(QWidget* parent, int lineCount) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    const int count = std::clamp(lineCount, 1, 32);
    for (int line = 0; line < count; ++line) {
        auto* button = new BooleanLine(line, *this, this);
        connect(button, &QAbstractButton::clicked, this, [this, line] { lineToggledByUser(line); });
        row->addWidget(button);
        lines_.push_back(button);
    }
    refreshLines();
}

TDBoolean::~TDBoolean() = default;

void TDBoolean::SetStyle(std::int16_t style) {
    style_ = style;
    refreshLines();
}

void TDBoolean::SetControlMode(std::uint32_t mode) {
    controlMode_ = mode;
    refreshLines();
}

void TDBoolean::SetTopColor(const QColor& color) {
    topColor_ = color;
    refreshLines();
}

void TDBoolean::SetValue(std::uint32_t value) {
    const std::uint32_t mask =
        lines_.size() >= 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << lines_.size()) - 1;
    value_ = value & mask;
    refreshLines();
}

QAbstractButton* TDBoolean::lineButton(int line) const {
    return line >= 0 && line < lineCount() ? lines_[static_cast<std::size_t>(line)] : nullptr;
}

void TDBoolean::lineToggledByUser(int line) {
    if (controlMode_ != UserMode) {
        refreshLines(); // an indicator only shows Value
        return;
    }
    value_ ^= std::uint32_t{1} << line;
    refreshLines();
    emit OnButtonClick(line);
}

void TDBoolean::refreshLines() {
    const bool userMode = controlMode_ == UserMode;
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        QAbstractButton* button = lines_[line];
        button->setChecked((value_ >> line) & 1U);
        button->setAttribute(Qt::WA_TransparentForMouseEvents, !userMode);
        button->setFocusPolicy(userMode ? Qt::StrongFocus : Qt::NoFocus);
        button->update();
    }
}

} // namespace doz::controls
