// The wizard's dialog: the task's file name, operation, card, channels, the settings of its
// operation and a description. It offers only what the engine accepts: an operation no installed
// card performs is greyed, the device list holds the cards that perform the chosen operation, and
// the channel list the channels the chosen card offers to it.
#pragma once

#include "maker/taskwizard/src/engine_cards.h"
#include "maker/taskwizard/src/operation_catalog.h"
#include "maker/taskwizard/src/task_settings.h"

#include <QDialog>

#include <functional>
#include <map>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace doz::taskwizard {

class TaskWizardDialog : public QDialog {
    Q_OBJECT
public:
    // `cards`: the cards the user may choose from (installed ones, and an edited task's own).
    explicit TaskWizardDialog(std::vector<CardChoice> cards, QWidget* parent = nullptr);

    // The task file: its folder and name; the name is fixed when editing a file.
    void setTaskFile(const QString& folder, const QString& taskName, bool nameEditable);
    QString taskName() const;
    QString taskFolder() const { return folder_; }

    void setSettings(const TaskSettings& settings);
    TaskSettings settings() const;

    // Called by "Finish"; the dialog closes only when it returns true.
    void setFinishHandler(std::function<bool(TaskWizardDialog&)> handler) { finish_ = std::move(handler); }
    void accept() override;

    QLineEdit* Edit_TaskName = nullptr;
    QLabel* Label_TaskFolder = nullptr;
    QComboBox* Cmb_Operation = nullptr;
    QComboBox* Cmb_Device = nullptr;
    QLabel* Label_DeviceNote = nullptr;
    QListWidget* List_Channels = nullptr;
    QPushButton* Button_SelectAll = nullptr;
    QPushButton* Button_ClearChannels = nullptr;
    QComboBox* Cmb_Range = nullptr;
    QDoubleSpinBox* Edit_Rate = nullptr;
    QSpinBox* Edit_BlockSize = nullptr;
    QSpinBox* Edit_TimerInterval = nullptr;
    QComboBox* Cmb_Waveform = nullptr;
    QDoubleSpinBox* Edit_Frequency = nullptr;
    QDoubleSpinBox* Edit_Amplitude = nullptr;
    QDoubleSpinBox* Edit_Offset = nullptr;
    QDoubleSpinBox* Edit_Phase = nullptr;
    QDoubleSpinBox* Edit_DutyCycle = nullptr;
    QLabel* Label_NoSettings = nullptr;
    QPlainTextEdit* Edit_Description = nullptr;
    QPushButton* Button_Finish = nullptr;
    QPushButton* Button_Cancel = nullptr;

    // Selects the operation of `code` / the card of `typeCode` and `cardNumber`; false when the
    // dialog does not offer it.
    bool selectOperation(int code);
    bool selectCard(int typeCode, int cardNumber);
    // Checks exactly the channels listed (those the card offers).
    void checkChannels(const std::vector<int>& channels);

private:
    QWidget* buildTaskGroup();
    QWidget* buildOperationGroup();
    QWidget* buildChannelGroup();
    QWidget* buildSettingsGroup();
    QWidget* buildDescriptionGroup();
    QWidget* buildButtons();

    void Cmb_OperationChange();
    void Cmb_DeviceChange();
    void Cmb_RangeChange();
    void fillOperations();
    void fillDevices();
    void fillChannels();
    void fillRanges();
    void showSettingRows();
    void updateFinish();

    int currentOperation() const;
    const CardChoice* currentCard() const;
    std::vector<int> checkedChannels() const;

    struct SettingRow {
        QWidget* field;
        std::vector<OperationFamily> families; // the operations that show the row
    };

    std::vector<CardChoice> cards_;
    std::vector<SettingRow> settingRows_;
    QString folder_;
    QFormLayout* settingsForm_ = nullptr;
    std::function<bool(TaskWizardDialog&)> finish_;
    // What the task had when it was loaded, kept where the user did not change it.
    std::vector<int> channelOrder_;
    std::map<int, int> loadedRanges_;
    int loadedOperation_ = 0;
    int loadedInputSource_ = 0;
    bool rangeTouched_ = false;
    bool filling_ = false;
};

} // namespace doz::taskwizard
