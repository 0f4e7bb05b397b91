#pragma once
// The real Revorur window, composed as the program composes it, offscreen, against a temporary
// task folder, registry hive and machine profile, with a scripted wizard library and scripted
// dialogs. Pop-ups and drags are recorded instead of run.

#include "common/platform/registry.h"
#include "common/ui/testing/scripted_dialogs.h"
#include "common/ui/testing/test_application.h"
#include "maker/engine/radezuvi_engine.h"
#include "revorur/composition.h"
#include "revorur/shell/notebook.h"
#include "revorur/shell/tree_nodes.h"
#include "tests/support/files.h"
#include "tests/support/machine_profile.h"
#include "tests/support/task_file.h"
#include "tests/support/temp_registry.h"

#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace doz::tasks::testing {

namespace fs = std::filesystem;

// A wizard library whose three calls are recorded and answered by the test.
struct FakeWizard {
    std::vector<std::string> newTaskPaths;
    std::vector<std::string> editedPaths;
    struct PanelCall {
        Radezuvi_Handle task;
        int reserved;
        int autoStart;
        std::string caption;
        int operationSeen; // the task's operation while the panel was shown
    };
    std::vector<PanelCall> panels;
    std::function<int(const std::string&)> onNewTask = [](const std::string&) { return 0; };

    static FakeWizard*& current() {
        static FakeWizard* instance = nullptr;
        return instance;
    }
    static int32_t startNew(const char* path) {
        current()->newTaskPaths.emplace_back(path);
        return current()->onNewTask(path);
    }
    static int32_t startWithFile(const char* path) {
        current()->editedPaths.emplace_back(path);
        return 0;
    }
    static int32_t showPanel(uint32_t task, int32_t reserved, int32_t autoStart, const char* caption) {
        current()->panels.push_back(
            {task, reserved, autoStart, caption, Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_OPERATION)});
        return 0;
    }
    WizardFunctions table() const { return {&startNew, &startWithFile, &showPanel}; }
};

inline constexpr const char* RadezuviKeyPath = "SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion";

class TaskWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(tasks_);
        fs::create_directories(program_);
        useMachine("card PCI-D230 0\ncard PCI-T310 0\ncard PCI-A120 0\n");
        ui::testing::testApplication();
        FakeWizard::current() = &wizard_;
    }
    void TearDown() override {
        window_.reset();
        FakeWizard::current() = nullptr;
    }

    void useMachine(const std::string& profile) { ASSERT_GE(machine_.use(profile), 0); }
    void registerTaskFolder(const fs::path& folder) {
        auto key = platform::createKey(platform::RootKey::LocalMachine, RadezuviKeyPath);
        ASSERT_TRUE(key && key->writeString("Task Folder", folder.string()));
    }
    std::string registeredTaskFolder() const {
        const auto key = platform::openKey(platform::RootKey::LocalMachine, RadezuviKeyPath);
        return key ? key->readString("Task Folder").value_or("<none>") : "<no key>";
    }

    // A task file: operation, card type and number, enabled channels, further lines.
    static void writeTask(const fs::path& file, int operation, int typeCode, const std::string& channels,
                          const std::string& description = "A test task", const std::string& more = "") {
        doz::test::WriteFile(file, doz::test::taskFileText({.operation = operation,
                                                            .typeCode = typeCode,
                                                            .channels = channels,
                                                            .description = description,
                                                            .more = more}));
    }
    static void writeText(const fs::path& file, const std::string& text) { doz::test::WriteFile(file, text); }

    // Builds the window as the program does and starts it.
    void start() {
        window_ = std::make_unique<revorur::RevorurWindow>();
        window_->form.showPopup = [](QMenu*, const QPoint&) {};
        window_->form.startDrag = [](QTreeWidget*) {};
        window_->tasks.setWizard(wizard_.table());
        window_->form.FormCreate((program_ / "Revorur").string());
    }

    shell::TForm1& form() { return window_->form; }
    QTreeWidget* tree() { return form().TreeView_Task; }
    QTreeWidgetItem* root() { return tree()->topLevelItem(0); }
    QTreeWidgetItem* node(const QString& text) {
        for (int i = 0; root() && i < root()->childCount(); ++i)
            if (root()->child(i)->text(0) == text)
                return root()->child(i);
        return nullptr;
    }
    QStringList taskTexts() {
        QStringList texts;
        for (int i = 0; root() && i < root()->childCount(); ++i)
            texts << root()->child(i)->text(0);
        return texts;
    }
    void select(const QString& text) {
        QTreeWidgetItem* item = text == "Task Manager" ? root() : node(text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        tree()->setCurrentItem(item);
    }
    // The "Value" column of a property row, or "<missing>".
    QString row(const QString& property) {
        for (int i = 0; i < form().ListView_Task->topLevelItemCount(); ++i)
            if (form().ListView_Task->topLevelItem(i)->text(0) == property)
                return form().ListView_Task->topLevelItem(i)->text(1);
        return "<missing>";
    }
    QStringList propertyNames() {
        QStringList names;
        for (int i = 0; i < form().ListView_Task->topLevelItemCount(); ++i)
            names << form().ListView_Task->topLevelItem(i)->text(0);
        return names;
    }
    bool functionsEnabled() { return shell::CurrentNotebookPage(form().Notebook_TaskFunc) == "Enable"; }
    void run(const char* button) { form().RunFunction(button); }

    doz::test::TempRegistry registry_; // its folder is the test's folder
    fs::path dir_ = registry_.folder().path();
    fs::path tasks_ = dir_ / "Tasks";
    fs::path program_ = dir_ / "bin";
    doz::test::ScopedMachineProfile machine_;
    FakeWizard wizard_;
    ui::testing::ScopedDialogs dialogs_;
    std::unique_ptr<revorur::RevorurWindow> window_;
};

} // namespace doz::tasks::testing
