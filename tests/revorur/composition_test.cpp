// The real composition of Revorur: the window with every manager in place, started against a
// machine profile of the test's own.

#include "common/ui/testing/scripted_dialogs.h"
#include "common/ui/testing/test_application.h"
#include "maker/engine/radezuvi_engine.h"
#include "revorur/composition.h"
#include "tests/support/machine_profile.h"
#include "tests/support/temp_registry.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <filesystem>

namespace doz::revorur {
namespace {

class CompositionTest : public ::testing::Test {
protected:
    void SetUp() override { ui::testing::testApplication(); }
    void useMachine(const std::string& profile) { ASSERT_EQ(machine_.use(profile), RADEZUVI_OK); }

    doz::test::TempRegistry registry_; // its folder is the test's folder
    std::filesystem::path dir_ = registry_.folder().path();
    doz::test::ScopedMachineProfile machine_;
    ui::testing::ScopedDialogs dialogs_;
};

TEST_F(CompositionTest, StartUpCountsTheEnginesDeviceEntries) {
    useMachine("card PCI-M610 0 1\n");
    RevorurWindow window;
    window.form.FormCreate((dir_ / "Revorur").string());

    const int count = window.form.DeviceEntryCount;
    ASSERT_GT(count, 1) << "at least the virtual device and one card model";
    int cards = 0;
    for (int entry = 0; entry < count; ++entry)
        EXPECT_NE(GetTaskDeviceListFN(-1, entry, &cards), nullptr) << entry;
    EXPECT_EQ(GetTaskDeviceListFN(-1, count, &cards), nullptr) << "the count ends the list";
}

QStringList treeTexts(QTreeWidget* tree) {
    QStringList texts;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        texts << (*it)->text(0);
    return texts;
}

TEST_F(CompositionTest, StartUpFillsTheDeviceTreesFromTheEngine) {
    useMachine("card PCI-M610 0 1\ncard DAQ-E420 0\n");
    RevorurWindow window;
    window.form.FormCreate((dir_ / "Revorur").string());

    const QStringList installed = treeTexts(window.form.TreeView_InstalledDevice);
    for (const char* card :
         {"Device Manager(Installed)", "Virtual Device", "PCI-M610: 0", "PCI-M610: 1", "DAQ-E420: 0"})
        EXPECT_TRUE(installed.contains(card)) << card;
    EXPECT_EQ(installed.size(), 1 + 1 + 9 + 3) << "root, virtual device, categories and the three cards";
    EXPECT_TRUE(treeTexts(window.form.TreeView_DeviceAlias).contains("PCI-M610: 1"));

    const QStringList all = treeTexts(window.form.TreeView_AllDevice);
    EXPECT_TRUE(all.contains("PCI-M610"));
    EXPECT_TRUE(all.contains("PCI-M620"));
    EXPECT_FALSE(all.contains("PCI-M610: 0"));
}

} // namespace
} // namespace doz::revorur
