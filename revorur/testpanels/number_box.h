#pragma once
// Number boxes of the test panels: a line edit with the key filter of its rule, read from the
// leading characters of its text.

#include "common/platform/number_text.h"

#include <QString>

class QLineEdit;
class QWidget;

namespace doz::testpanels {

// Digits, backspace, "-" and ".": the rule of the generic panels' boxes.
inline constexpr platform::NumberBoxRule kSignedDecimalKeys{true, true};

QLineEdit* NewNumberBox(QWidget* parent, const char* name, const QString& text, platform::NumberBoxRule rule);

// The whole number at the start of the box ("12.5" reads 12); 0 without a number.
long WholeValue(const QLineEdit* box);
// The decimal number at the start of the box; 0 without a number.
double DecimalValue(const QLineEdit* box);

} // namespace doz::testpanels
