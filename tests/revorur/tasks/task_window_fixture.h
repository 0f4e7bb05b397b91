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

#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

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
        dir_ = fs::temp_directory_path() / ("doz-tasks-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        tasks_ = dir_ / "Tasks";
        program_ = dir_ / "bin";
        fs::create_directories(tasks_);
        fs::create_directories(program_);
        ::setenv("DOZAZAR_REGISTRY", (dir_ / "registry.reg").c_str(), 1);
        useMachine("card PCI-D230 0\ncard PCI-T310 0\ncard PCI-A120 0\n");
        ui::testing::testApplication();
        FakeWizard::current() = &wizard_;
    }
    void TearDown() override {
        window_.reset();
        FakeWizard::current() = nullptr;
        ::unsetenv("DOZAZAR_REGISTRY");
        fs::remove_all(dir_);
    }

    void useMachine(const std::string& profile) {
        const fs::path file = dir_ / "test.machine";
        std::ofstream(file) << profile;
        ASSERT_GE(Radezuvi_UseMachineProfile(file.c_str()), 0);
    }
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
        std::ofstream out(file, std::ios::binary);
        out << "# Radezuvi task\nradezuvi-task 1\noperation 0x" << std::hex << operation << std::dec
            << "\ndevice " << typeCode << " 0\ndescription " << description << "\n";
        if (!channels.empty())
            out << "channels " << channels << "\n";
        out << more << "end\n";
    }
    static void writeText(const fs::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }

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

    fs::path dir_, tasks_, program_;
    FakeWizard wizard_;
    ui::testing::ScopedDialogs dialogs_;
    std::unique_ptr<revorur::RevorurWindow> window_;
};

} // namespace doz::tasks::testing
