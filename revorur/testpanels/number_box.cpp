#include "revorur/testpanels/number_box.h"

#include "common/ui/number_filter.h"

#include <QLineEdit>

namespace doz::testpanels {

QLineEdit* NewNumberBox(QWidget* parent, const char* name, const QString& text,
                        platform::NumberBoxRule rule) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::installNumberFilter(box, rule);
    return box;
}

long WholeValue(const QLineEdit* box) {
    return platform::leadingInteger(box->text().toStdString());
}

double DecimalValue(const QLineEdit* box) {
    return platform::leadingDecimal(box->text().toStdString());
}

} // namespace doz::testpanels
