#pragma once
// Builds the real main window offscreen for a test, with popups and drags recorded instead
// of run, and the registry pointed at a temporary hive.

#include "common/ui/testing/test_application.h"
#include "revorur/shell/main_form.h"
#include "revorur/shell/notebook.h"
#include "revorur/shell/tree_nodes.h"
#include "tests/support/temp_registry.h"

#include <QApplication>
#include <QMenu>
#include <QTreeWidget>

#include <memory>
#include <string>
#include <vector>

namespace doz::testing {

class MainFormTest : public test::RegistryTest {
protected:
    void SetUp() override {
        ui::testing::testApplication();
        form = std::make_unique<shell::TForm1>();
        form->showPopup = [this](QMenu* menu, const QPoint&) { popups.push_back(menu->objectName()); };
        form->startDrag = [this](QTreeWidget* tree) { drags.push_back(tree->objectName()); };
    }
    void TearDown() override { form.reset(); }

    template <typename T> T* find(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }

    QTreeWidgetItem* addNode(QTreeWidget* tree, QTreeWidgetItem* parent, const QString& text, int picture) {
        auto* item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(tree, {text});
        shell::SetNodePicture(item, form->ImageList_Device, picture);
        return item;
    }

    std::unique_ptr<shell::TForm1> form;
    std::vector<QString> popups;
    std::vector<QString> drags;
};

} // namespace doz::testing
