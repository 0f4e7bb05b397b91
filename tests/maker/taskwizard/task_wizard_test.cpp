// The wizard through its C functions, as the task manager calls them: every dialog is answered
// by a script, the tasks are made by the real engine on the test machine.
#include "tests/maker/taskwizard/wizard_test_support.h"

#include "maker/engine/radezuvi_engine.h"
#include "maker/taskwizard/radezuviwizard.h"
#include "maker/taskwizard/src/task_wizard_dialog.h"
#include "tests/support/qt_files.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace doz::taskwizard::testing {
namespace {

using doz::test::qtReadFile;
using doz::test::qtWriteFile;
using ui::testing::DialogCall;
using Fill = std::function<void(TaskWizardDialog&)>;

// A script that fills the wizard, presses "Finish" and answers what the dialog ended with.
ui::testing::ScriptedDialogs::ModalScript finishWith(Fill fill) {
    return [fill](QDialog* dialog) {
        auto* wizard = dynamic_cast<TaskWizardDialog*>(dialog);
        if (!wizard) {
            ADD_FAILURE() << "not the wizard dialog";
            return int(QDialog::Rejected);
        }
        fill(*wizard);
        wizard->Button_Finish->click();
        return wizard->result();
    };
}

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

std::vector<int> enabledChannels(Radezuvi_Handle task) {
    uint16_t* list = nullptr;
    const int32_t count = Radezuvi_GetEnabledChannelList(task, &list);
    std::vector<int> channels(list, list + std::max(count, 0));
    Radezuvi_FreeChannelList(list);
    return channels;
}

double channelProperty(Radezuvi_Handle task, int channel, int property) {
    double value = -1;
    EXPECT_EQ(Radezuvi_GetChannelPropertyF64(task, channel, property, &value), RADEZUVI_OK);
    return value;
}

double taskProperty(Radezuvi_Handle task, int property) {
    double value = -1;
    EXPECT_EQ(Radezuvi_GetPropertyF64(task, property, &value), RADEZUVI_OK);
    return value;
}

std::string description(Radezuvi_Handle task) {
    std::array<char, 256> buffer{};
    Radezuvi_GetTaskDescription(task, buffer.data(), static_cast<int32_t>(buffer.size()));
    return buffer.data();
}

// One task of an operation family as a user makes it, and what the saved file must hold.
struct CreateCase {
    const char* name;
    const char* operationText;
    const char* device;
    QStringList channels;
    Fill settings;
    int operation;
    int typeCode;
    std::vector<int> channelNumbers;
    std::function<void(Radezuvi_Handle)> check;
};

void PrintTo(const CreateCase& c, std::ostream* out) {
    *out << c.name;
}

const CreateCase kCreateCases[] = {
    {"AnalogPolling",
     "Analog Input -- Voltage Polling",
     "Virtual Device: 0",
     {"AI0", "AI2"},
     [](TaskWizardDialog&) {},
     0x10000,
     1,
     {0, 2},
     [](Radezuvi_Handle task) { EXPECT_EQ(channelProperty(task, 2, RADEZUVI_CHPROP_RANGE), 201); }},
    {"AnalogContinuous",
     "Analog Input -- Continuous Waveform Acquisition",
     "DAQ-E420: 0",
     {"AI1"},
     [](TaskWizardDialog& w) {
         ASSERT_TRUE(chooseText(w.Cmb_Range, QStringLiteral("+/-5 V")));
         w.Cmb_Range->activated(w.Cmb_Range->currentIndex());
         w.Edit_Rate->setValue(50000);
         w.Edit_BlockSize->setValue(5000);
     },
     0x10003,
     1530,
     {1},
     [](Radezuvi_Handle task) {
         EXPECT_EQ(taskProperty(task, RADEZUVI_PROP_AI_RATE), 50000);
         EXPECT_EQ(taskProperty(task, RADEZUVI_PROP_BLOCK_SIZE), 5000);
         EXPECT_EQ(channelProperty(task, 1, RADEZUVI_CHPROP_RANGE), 202);
     }},
    {"AnalogOutput",
     "Analog Output -- Voltage Update",
     "PCI-A120: 0",
     {"AO3"},
     [](TaskWizardDialog&) {},
     0x20000,
     10,
     {3},
     [](Radezuvi_Handle) {}},
    {"FunctionGenerator",
     "Analog Output -- Function Generation",
     "PCI-A120: 0",
     {"AO0"},
     [](TaskWizardDialog& w) {
         ASSERT_TRUE(chooseText(w.Cmb_Waveform, QStringLiteral("Square")));
         w.Edit_Frequency->setValue(100);
         w.Edit_Amplitude->setValue(2);
     },
     0x20004,
     10,
     {0},
     [](Radezuvi_Handle task) {
         EXPECT_EQ(channelProperty(task, 0, RADEZUVI_CHPROP_WAVEFORM), 401);
         EXPECT_EQ(channelProperty(task, 0, RADEZUVI_CHPROP_FREQUENCY), 100);
         EXPECT_EQ(channelProperty(task, 0, RADEZUVI_CHPROP_AMPLITUDE), 2);
     }},
    {"PortInput",
     "Digital Input -- Port Read",
     "PCI-D230: 0",
     {"DI PORT2"},
     [](TaskWizardDialog&) {},
     0x40001,
     120,
     {2},
     [](Radezuvi_Handle) {}},
    {"LineOutput",
     "Digital Output -- Line Write",
     "PCI-D230: 0",
     {"DO9"},
     [](TaskWizardDialog&) {},
     0x80000,
     120,
     {9},
     [](Radezuvi_Handle) {}},
    {"EventCounter",
     "Timer/Counter -- Simple Event Counter",
     "PCI-T310: 0",
     {"TC1"},
     [](TaskWizardDialog&) {},
     0x100000,
     320,
     {1},
     [](Radezuvi_Handle) {}},
    {"Timer",
     "Timer/Counter -- Timer Interrupt",
     "PCI-T310: 0",
     {"TC0"},
     [](TaskWizardDialog& w) { w.Edit_TimerInterval->setValue(250); },
     0x100001,
     320,
     {0},
     [](Radezuvi_Handle task) { EXPECT_EQ(taskProperty(task, RADEZUVI_PROP_TIMER_INTERVAL), 250); }},
};

class CreateTask : public WizardTest, public ::testing::WithParamInterface<CreateCase> {};

TEST_P(CreateTask, SavesTheTaskTheUserDescribed) {
    const CreateCase& c = GetParam();
    const QString path = taskPath(QStringLiteral("DAQ_File.tsk"));
    dialogs_.modalScripts.push_back(finishWith([&](TaskWizardDialog& w) {
        ASSERT_TRUE(chooseText(w.Cmb_Operation, QString::fromLatin1(c.operationText)));
        ASSERT_TRUE(chooseText(w.Cmb_Device, QString::fromLatin1(c.device)));
        checkOnly(w.List_Channels, c.channels);
        w.Edit_Description->setPlainText(
            QStringLiteral("Made by the %1 case").arg(QString::fromLatin1(c.name)));
        c.settings(w);
    }));

    ASSERT_EQ(ZEVOZAZA_StartDAQWizardAndSaveToFile(utf8(path).constData()), 1);

    EXPECT_TRUE(dialogs_.informationTexts().isEmpty()) << dialogs_.informationTexts().join("|").toStdString();
    const Radezuvi_Handle task = Radezuvi_LoadTask(utf8(path).constData(), 0);
    ASSERT_NE(task, 0u);
    EXPECT_EQ(Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_OPERATION), c.operation);
    EXPECT_EQ(Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_DEVICE_TYPE), c.typeCode);
    EXPECT_EQ(Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_DEVICE_INDEX), 0);
    EXPECT_EQ(enabledChannels(task), c.channelNumbers);
    EXPECT_EQ(description(task), "Made by the " + std::string(c.name) + " case");
    c.check(task);
    Radezuvi_EndTask(task);
}

INSTANTIATE_TEST_SUITE_P(EachFamily, CreateTask, ::testing::ValuesIn(kCreateCases),
                         [](const auto& info) { return std::string(info.param.name); });

using TaskWizard = WizardTest;

TEST_F(TaskWizard, OffersTheTwentyOperationsAndGreysThoseNoCardPerforms) {
    const QStringList expected = {
        "Analog Input -- Voltage Polling",
        "Analog Input -- One-shot Waveform Acquisition",
        "Analog Input -- Continuous Waveform Acquisition",
        "Analog Output -- Voltage Update",
        "Analog Output -- Current Update",
        "Analog Output -- One-shot Waveform Generation",
        "Analog Output -- Continuous Waveform Generation",
        "Analog Output -- Function Generation",
        "Digital Input -- Line Read",
        "Digital Input -- Port Read",
        "Digital Input -- One-shot Pattern Acquisition",
        "Digital Input -- Continuous Pattern Acquisition",
        "Digital Output -- Line Write",
        "Digital Output -- Port Write",
        "Digital Output -- One-shot Pattern Generation",
        "Digital Output -- Continuous Pattern Generation",
        "Timer/Counter -- Simple Event Counter",
        "Timer/Counter -- Timer Interrupt",
        "Timer/Counter -- 82C54 Mode Operation",
    };
    TaskWizardDialog wizard(installedCards());
    ASSERT_EQ(wizard.Cmb_Operation->count(), 20);
    QStringList texts;
    QList<int> codes;
    QStringList greyed;
    const auto* model = qobject_cast<QStandardItemModel*>(wizard.Cmb_Operation->model());
    for (int row = 0; row < 20; ++row) {
        texts << wizard.Cmb_Operation->itemText(row);
        codes << wizard.Cmb_Operation->itemData(row).toInt();
        if (!model->item(row)->isEnabled()) {
            greyed << wizard.Cmb_Operation->itemText(row);
        }
    }
    EXPECT_EQ(texts.mid(0, 19), expected);
    EXPECT_EQ(codes.last(), 0x100003);
    // The test machine has no card that acquires or plays digital patterns.
    EXPECT_EQ(greyed, (QStringList{"Digital Input -- One-shot Pattern Acquisition",
                                   "Digital Input -- Continuous Pattern Acquisition",
                                   "Digital Output -- One-shot Pattern Generation",
                                   "Digital Output -- Continuous Pattern Generation"}));
    EXPECT_FALSE(wizard.selectOperation(0x40003));

    // Only the counter card is offered for a counter, with its counters as channels.
    ASSERT_TRUE(wizard.selectOperation(0x100000));
    ASSERT_EQ(wizard.Cmb_Device->count(), 1);
    EXPECT_EQ(wizard.Cmb_Device->itemText(0), "PCI-T310: 0");
    EXPECT_EQ(wizard.List_Channels->item(0)->text(), "TC0");
    EXPECT_EQ(checkedTexts(wizard.List_Channels), QStringList{"TC0"});

    // A current output: the current ranges, no voltage range.
    ASSERT_TRUE(wizard.selectOperation(0x20001));
    EXPECT_GE(wizard.Cmb_Range->findText("4 to 20 mA"), 0);
    EXPECT_EQ(wizard.Cmb_Range->findText("+/-10 V"), -1);
    EXPECT_TRUE(wizard.Cmb_Range->isVisibleTo(&wizard));
    EXPECT_FALSE(wizard.Edit_Rate->isVisibleTo(&wizard));
}

TEST_F(TaskWizard, CancelWritesNothingAndReturnsZero) {
    const QString path = taskPath(QStringLiteral("DAQ_File.tsk"));
    dialogs_.modalScripts.push_back([](QDialog* dialog) {
        auto* wizard = dynamic_cast<TaskWizardDialog*>(dialog);
        EXPECT_NE(wizard, nullptr);
        EXPECT_EQ(wizard->Edit_TaskName->text(), "DAQ_File");
        wizard->Button_Cancel->click();
        return wizard->result();
    });

    EXPECT_EQ(ZEVOZAZA_StartDAQWizardAndSaveToFile(utf8(path).constData()), 0);

    EXPECT_EQ(dialogs_.count(DialogCall::Kind::RunModal), 1u);
    EXPECT_TRUE(QDir(folderPath()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(TaskWizard, ExistingFileIsReplacedOnlyWhenTheUserAgrees) {
    const QString path = taskPath(QStringLiteral("DAQ_File.tsk"));
    const QByteArray original = "radezuvi-task 1\noperation 0x10000\ndevice 1 0\nchannels 0\nend\n";
    qtWriteFile(path, original);
    const Fill counter = [](TaskWizardDialog& w) { ASSERT_TRUE(w.selectOperation(0x100000)); };

    dialogs_.modalScripts.push_back(finishWith(counter));
    EXPECT_EQ(ZEVOZAZA_StartDAQWizardAndSaveToFile(utf8(path).constData()), 0);
    ASSERT_EQ(dialogs_.count(DialogCall::Kind::Confirm), 1u);
    EXPECT_TRUE(dialogs_.callsOf(DialogCall::Kind::Confirm)[0].text.contains(path));
    EXPECT_EQ(qtReadFile(path), original);

    dialogs_.modalScripts.push_back(finishWith(counter));
    dialogs_.confirmAnswers.push_back(true);
    EXPECT_EQ(ZEVOZAZA_StartDAQWizardAndSaveToFile(utf8(path).constData()), 1);
    const Radezuvi_Handle task = Radezuvi_LoadTask(utf8(path).constData(), 0);
    ASSERT_NE(task, 0u);
    EXPECT_EQ(Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_OPERATION), 0x100000);
    Radezuvi_EndTask(task);
}

TEST_F(TaskWizard, AnotherNameSavesBesideTheSuggestedFile) {
    const QString suggested = taskPath(QStringLiteral("DAQ_File.tsk"));
    dialogs_.modalScripts.push_back(
        finishWith([](TaskWizardDialog& w) { w.Edit_TaskName->setText(QStringLiteral("Level Probe.tsk")); }));

    EXPECT_EQ(ZEVOZAZA_StartDAQWizardAndSaveToFile(utf8(suggested).constData()), 1);

    EXPECT_EQ(QDir(folderPath()).entryList(QDir::Files), QStringList{"Level Probe.tsk"});
}

TEST_F(TaskWizard, RefusedNamesAndSettingsWriteNothing) {
    const QString path = taskPath(QStringLiteral("DAQ_File.tsk"));
    for (const QString name : {"", "..", "a/b", "x:y", "tab\there", "dot."}) {
        dialogs_.modalScripts.push_back(
            finishWith([name](TaskWizardDialog& w) { w.Edit_TaskName->setText(name); }));
        EXPECT_EQ(ZEVOZAZA_StartDAQWizardAndSaveToFile(utf8(path).constData()), 0) << name.toStdString();
    }
    // A rate far above the card's maximum: the engine refuses it and the user is told.
    dialogs_.modalScripts.push_back(finishWith([](TaskWizardDialog& w) {
        ASSERT_TRUE(w.selectOperation(0x10003));
        ASSERT_TRUE(chooseText(w.Cmb_Device, QStringLiteral("DAQ-E420: 0")));
        w.Edit_Rate->setValue(500'000'000);
    }));
    EXPECT_EQ(ZEVOZAZA_StartDAQWizardAndSaveToFile(utf8(path).constData()), 0);
    const QStringList messages = dialogs_.informationTexts();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains("rate")) << messages.last().toStdString();
    EXPECT_TRUE(QDir(folderPath()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(QFile::exists(QDir(folderPath()).filePath("../b.tsk")));

    EXPECT_EQ(ZEVOZAZA_StartDAQWizardAndSaveToFile(nullptr), 0);
    EXPECT_EQ(ZEVOZAZA_StartDAQWizardAndSaveToFile(""), 0);
    EXPECT_EQ(ZEVOZAZA_StartDAQWizardWithFile(nullptr), 0);
}

TEST_F(TaskWizard, EditingABrokenFileShowsAMessageAndLeavesItAlone) {
    const QString path = taskPath(QStringLiteral("Broken.tsk"));
    const QByteArray broken = "radezuvi-task 1\noperation 0x10000\ndevice 1 0\nchannels 0\n"; // no "end"
    qtWriteFile(path, broken);

    EXPECT_EQ(ZEVOZAZA_StartDAQWizardWithFile(utf8(path).constData()), 0);

    EXPECT_EQ(dialogs_.count(DialogCall::Kind::RunModal), 0u);
    ASSERT_EQ(dialogs_.informationTexts().size(), 1);
    EXPECT_TRUE(dialogs_.informationTexts()[0].contains(path));
    EXPECT_EQ(qtReadFile(path), broken);
}

TEST_F(TaskWizard, EditingShowsTheTaskAndSavesTheChangesIntoItsFile) {
    const QString path = taskPath(QStringLiteral("Shaker.TSK"));
    qtWriteFile(path,
                "# Radezuvi task\nradezuvi-task 1\noperation 0x10003\ndevice 1530 0\ndescription Shaker\n"
                "channels 2 0\nproperty 102 10000\nchannel-property 2 51 203\nchannel-property 0 51 201\n"
                "end\n");
    dialogs_.modalScripts.push_back(finishWith([](TaskWizardDialog& w) {
        EXPECT_EQ(w.Cmb_Operation->currentText(), "Analog Input -- Continuous Waveform Acquisition");
        EXPECT_EQ(w.Cmb_Device->currentText(), "DAQ-E420: 0");
        EXPECT_EQ(checkedTexts(w.List_Channels), (QStringList{"AI0", "AI2"}));
        EXPECT_EQ(w.Edit_Rate->value(), 10000);
        EXPECT_EQ(w.Edit_Description->toPlainText(), "Shaker");
        EXPECT_TRUE(w.Edit_TaskName->isReadOnly());
        w.Edit_Rate->setValue(20000);
        w.Edit_Description->setPlainText(QStringLiteral("Shaker, axis Y"));
    }));

    EXPECT_EQ(ZEVOZAZA_StartDAQWizardWithFile(utf8(path).constData()), 1);

    EXPECT_EQ(dialogs_.count(DialogCall::Kind::Confirm), 0u);
    EXPECT_EQ(QDir(folderPath()).entryList(QDir::Files), QStringList{"Shaker.TSK"});
    const Radezuvi_Handle task = Radezuvi_LoadTask(utf8(path).constData(), 0);
    ASSERT_NE(task, 0u);
    EXPECT_EQ(taskProperty(task, RADEZUVI_PROP_AI_RATE), 20000);
    EXPECT_EQ(description(task), "Shaker, axis Y");
    EXPECT_EQ(enabledChannels(task), (std::vector<int>{2, 0}));
    EXPECT_EQ(channelProperty(task, 2, RADEZUVI_CHPROP_RANGE), 203);
    EXPECT_EQ(channelProperty(task, 0, RADEZUVI_CHPROP_RANGE), 201);
    Radezuvi_EndTask(task);
}

TEST_F(TaskWizard, EditingCancelledKeepsTheFile) {
    const QString path = taskPath(QStringLiteral("Level.tsk"));
    const QByteArray level = "radezuvi-task 1\noperation 0x10000\ndevice 1 0\nchannels 0 1\nend\n";
    qtWriteFile(path, level);

    EXPECT_EQ(ZEVOZAZA_StartDAQWizardWithFile(utf8(path).constData()), 0);

    EXPECT_EQ(dialogs_.count(DialogCall::Kind::RunModal), 1u);
    EXPECT_EQ(qtReadFile(path), level);
}

} // namespace
} // namespace doz::taskwizard::testing

namespace doz::taskwizard::testing {
namespace {

TEST_F(TaskWizard, ATaskOfACardNotInstalledHereCanStillBeEdited) {
    const QString path = taskPath(QStringLiteral("Elsewhere.tsk"));
    qtWriteFile(path, "radezuvi-task 1\noperation 0x20000\ndevice 40 0\nchannels 1\nend\n");
    dialogs_.modalScripts.push_back(finishWith([](TaskWizardDialog& w) {
        EXPECT_EQ(w.Cmb_Device->currentText(), "PCI-A130: 0 (not installed)");
        EXPECT_EQ(checkedTexts(w.List_Channels), QStringList{"AO1"});
        w.Edit_Description->setPlainText(QStringLiteral("Set point of the second rig"));
    }));

    EXPECT_EQ(ZEVOZAZA_StartDAQWizardWithFile(utf8(path).constData()), 1);

    const Radezuvi_Handle task = Radezuvi_LoadTask(utf8(path).constData(), 0);
    ASSERT_NE(task, 0u);
    EXPECT_EQ(Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_DEVICE_TYPE), 40);
    EXPECT_EQ(enabledChannels(task), std::vector<int>{1});
    EXPECT_EQ(description(task), "Set point of the second rig");
    Radezuvi_EndTask(task);
}

} // namespace
} // namespace doz::taskwizard::testing
