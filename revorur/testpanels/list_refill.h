#pragma once
// Refilling a list from code fires none of its change handlers: only a user's choice does.

#include <QList>
#include <QStringList>

class QComboBox;

namespace doz::testpanels {

// Replaces the items of `list` (each keeping its code from `codes`, when given) and selects
// `selected`, without a change signal.
void RefillList(QComboBox* list, const QStringList& items, int selected = 0, const QList<int>& codes = {});

// The code kept with the selected item, or `fallback` when it has none.
int SelectedCode(const QComboBox* list, int fallback = 0);

} // namespace doz::testpanels
