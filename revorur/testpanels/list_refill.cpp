#include "revorur/testpanels/list_refill.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

namespace doz::testpanels {

void RefillList(QComboBox* list, const QStringList& items, int selected, const QList<int>& codes) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (qsizetype i = 0; i < items.size(); ++i)
        list->addItem(items[i], i < codes.size() ? QVariant(codes[i]) : QVariant());
    list->setCurrentIndex(items.isEmpty() ? -1 : std::clamp(selected, 0, int(items.size()) - 1));
}

int SelectedCode(const QComboBox* list, int fallback) {
    const QVariant code = list->currentData();
    return code.isValid() ? code.toInt() : fallback;
}

} // namespace doz::testpanels
