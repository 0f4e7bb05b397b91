#pragma once

#include "common/platform/number_text.h"

class QLineEdit;

namespace doz::ui {

// Lets only the keys of `rule` reach `edit` (digits, backspace and, per box, '.' and '-').
// Keys that type nothing (arrows, Delete, Return) and shortcuts pass; pasted text is not
// filtered. The filter belongs to the edit and dies with it.
void installNumberFilter(QLineEdit* edit, doz::platform::NumberBoxRule rule);

} // namespace doz::ui
