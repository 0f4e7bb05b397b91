#pragma once
// The instrument look the test panels share: a brushed panel face, framed groups, green Start
// and red Stop keys, dark read-outs with lit text, and labels that name their controls.

#include <QString>

class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace doz::testpanels {

enum class KeyRole { Start, Stop, Plain };

// Gives a panel form its look; the form's children pick it up.
void ApplyPanelLook(QWidget* form);

QPushButton* NewKey(QWidget* parent, const char* name, const QString& text, KeyRole role);

// A dark read-out line that shows what a page is doing.
QLabel* NewReadout(QWidget* parent, const char* name, const QString& text);

// Places "label control unit" on `row` of `grid` from column `column` (three columns, the control
// spanning `span` of them), the label naming the control for assistive tools.
void AddField(QGridLayout* grid, int row, int column, const QString& label, QWidget* control,
              const QString& unit = {}, int span = 1);

} // namespace doz::testpanels
