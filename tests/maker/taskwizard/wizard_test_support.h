// Shared helpers of the task wizard tests: the test machine, a temporary task folder and the
// small steps a script takes on a dialog.
#pragma once

#include "common/ui/testing/scripted_dialogs.h"
#include "tests/support/machine_profile.h"
#include "tests/support/temp_folder.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <gtest/gtest.h>

class QComboBox;
class QListWidget;

namespace doz::taskwizard::testing {

// The test machine, a temporary task folder and scripted dialogs for each test.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;

    QString folderPath() const;
    QString taskPath(const QString& fileName) const;

    doz::test::ScopedMachineProfile machine_;
    doz::test::TempFolder folder_;
    ui::testing::ScopedDialogs dialogs_;
};

// Selects the item whose text is `text`; false when the box has no such item.
bool chooseText(QComboBox* box, const QString& text);
// Checks exactly the items whose texts are listed.
void checkOnly(QListWidget* list, const QStringList& texts);
// The texts of the checked items, in list order.
QStringList checkedTexts(const QListWidget* list);
// Runs the event loop until `condition` holds or a generous limit passes; the condition's result.
bool processEventsUntil(const std::function<bool()>& condition);

} // namespace doz::taskwizard::testing
