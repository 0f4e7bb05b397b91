#pragma once
// Starts the real main window with its device manager against a machine profile and a
// temporary registry whose Radezuvi key points the alias store into a temporary folder.
// Dialogs and program starts are scripted; nothing opens a window or waits.

#include "common/ui/testing/recording_launcher.h"
#include "common/ui/testing/scripted_dialogs.h"
#include "common/ui/testing/test_application.h"
#include "maker/engine/radezuvi_engine.h"
#include "revorur/composition.h"
#include "revorur/devices/node_record.h"
#include "revorur/shell/notebook.h"
#include "revorur/shell/tree_nodes.h"
#include "tests/support/machine_profile.h"
#include "tests/support/temp_registry.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace doz::devices::testing {

class DeviceManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir_ / "Tasks");
        ui::testing::testApplication();
    }
    void TearDown() override {
        window_.reset();
        manager_.reset();
        ownForm_.reset();
    }

    // The Radezuvi key as the installer leaves it: task folder and the folder of the alias store.
    void registerStore() {
        registry_.writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"
                            "\"Task Folder\"=\"" +
                            (dir_ / "Tasks").string() + "\"\n\"Path\"=\"" + dir_.string() + "/\"\n");
    }
    std::string storePath() const { return (dir_ / "Task Manager" / "DeviceName.ini").string(); }

    void useMachine(const std::string& profile) { ASSERT_EQ(machine_.use(profile), RADEZUVI_OK); }

    // The real composition, started as the program starts it.
    shell::TForm1& start() {
        window_ = std::make_unique<revorur::RevorurWindow>();
        form_ = &window_->form;
        prepare(*form_);
        form_->FormCreate((dir_ / "Revorur").string());
        return *form_;
    }
    // The main window with only a device manager that reads the libraries given.
    shell::TForm1& startWith(const AliasApi& aliases,
                             const EngineDeviceApi& engine = RadezuviEngineDevices()) {
        ownForm_ = std::make_unique<shell::TForm1>();
        manager_ = std::make_unique<DeviceManager>(*ownForm_, aliases, engine);
        form_ = ownForm_.get();
        prepare(*form_);
        form_->FormCreate((dir_ / "Revorur").string());
        return *form_;
    }
    void prepare(shell::TForm1& form) {
        form.showPopup = [this](QMenu* menu, const QPoint&) { popups.push_back(menu->objectName()); };
        form.startDrag = [](QTreeWidget*) {};
    }
    shell::TForm1& form() { return *form_; }

    static QTreeWidgetItem* node(QTreeWidget* tree, const QString& text) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->text(0) == text)
                return *it;
        return nullptr;
    }
    static int countOf(QTreeWidget* tree, const QString& text) {
        int n = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            n += (*it)->text(0) == text;
        return n;
    }
    static QStringList childTexts(const QTreeWidgetItem* item) {
        QStringList texts;
        for (int i = 0; i < item->childCount(); ++i)
            texts << item->child(i)->text(0);
        return texts;
    }
    static QTreeWidgetItem* category(QTreeWidget* tree, const char* name) {
        QTreeWidgetItem* root = tree->topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->text(0) == QLatin1String(name))
                return root->child(i);
        return nullptr;
    }
    static void select(QTreeWidget* tree, const QString& text) {
        QTreeWidgetItem* item = node(tree, text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        tree->setCurrentItem(item);
    }

    bool functionsEnabled() { return form().IsSwitchEnabled(shell::SwitchNotebook::DeviceFunction); }
    bool calibrationEnabled() { return form().IsSwitchEnabled(shell::SwitchNotebook::DevCalibration); }

    // Offers a drag from `tree` to `button` and drops it when accepted; true when accepted.
    bool dropOn(const char* button, const char* tree) {
        auto* target = form().findChild<QWidget*>(QLatin1String(button));
        QMimeData mime;
        mime.setData(shell::TreeDragMimeType, QByteArray(tree));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    doz::test::TempRegistry registry_; // its folder is the test's folder
    std::filesystem::path dir_ = registry_.folder().path();
    doz::test::ScopedMachineProfile machine_;
    ui::testing::ScopedDialogs dialogs;
    ui::testing::ScopedLauncher launcher;
    std::vector<QString> popups;
    std::unique_ptr<revorur::RevorurWindow> window_;
    std::unique_ptr<shell::TForm1> ownForm_;
    std::unique_ptr<DeviceManager> manager_;
    shell::TForm1* form_ = nullptr;
};

} // namespace doz::devices::testing
