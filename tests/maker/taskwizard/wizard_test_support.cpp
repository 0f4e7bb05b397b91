#include "tests/maker/taskwizard/wizard_test_support.h"

#include "tests/support/qt_paths.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QListWidget>
#include <QThread>

namespace doz::taskwizard::testing {

void WizardTest::SetUp() {
    ASSERT_EQ(machine_.useFile(WIZARD_TEST_MACHINE), 0);
}

QString WizardTest::folderPath() const {
    return doz::test::qtPath(folder_.path());
}

QString WizardTest::taskPath(const QString& fileName) const {
    return doz::test::qtFilePath(folder_, fileName);
}

bool chooseText(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    if (index >= 0) {
        box->setCurrentIndex(index);
    }
    return index >= 0;
}

void checkOnly(QListWidget* list, const QStringList& texts) {
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        item->setCheckState(texts.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList checkedTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->checkState() == Qt::Checked) {
            texts << list->item(row)->text();
        }
    }
    return texts;
}

bool processEventsUntil(const std::function<bool()>& condition) {
    const QDeadlineTimer limit(20'000);
    while (!condition()) {
        if (limit.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

} // namespace doz::taskwizard::testing
