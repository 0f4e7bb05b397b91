#include "maker/taskwizard/src/task_wizard_dialog.h"

#include "maker/taskwizard/src/setting_choices.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

namespace doz::taskwizard {

namespace {

using enum OperationFamily;

constexpr double kMaxRate = 1e9;
constexpr int kMaxBlock = 16 * 1024 * 1024;
constexpr int kMaxTimerInterval = 3'600'000;

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QDoubleSpinBox* numberBox(const char* name, double low, double high, int decimals, double value) {
    auto* box = named(new QDoubleSpinBox, name);
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setValue(value);
    box->setGroupSeparatorShown(true);
    return box;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

void fillChoices(QComboBox* box, std::span<const Choice> choices) {
    box->clear();
    for (const Choice& choice : choices) {
        box->addItem(QString::fromLatin1(choice.text), choice.code);
    }
}

bool selectData(QComboBox* box, int code) {
    const int index = box->findData(code);
    if (index >= 0) {
        box->setCurrentIndex(index);
    }
    return index >= 0;
}

OperationFamily familyOf(int operation) {
    const OperationEntry* entry = findOperationEntry(operation);
    return entry ? entry->family : AnalogPolling;
}

} // namespace

TaskWizardDialog::TaskWizardDialog(std::vector<CardChoice> cards, QWidget* parent)
    : QDialog(parent), cards_(std::move(cards)) {
    setObjectName(QStringLiteral("TaskWizard"));
    setWindowTitle(QStringLiteral("DAQ Task Wizard"));
    filling_ = true;

    auto* heading =
        new QLabel(QStringLiteral("<b>Acquisition task</b><br>Choose what the task does, on which "
                                  "card and channels, and how it runs."));
    heading->setWordWrap(true);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildChannelGroup(), 1);
    middle->addWidget(buildSettingsGroup(), 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(buildTaskGroup());
    layout->addWidget(buildOperationGroup());
    layout->addLayout(middle, 1);
    layout->addWidget(buildDescriptionGroup());
    layout->addWidget(buildButtons());

    fillOperations();
    filling_ = false;
    Cmb_OperationChange();
    resize(640, 620);
}

QWidget* TaskWizardDialog::buildTaskGroup() {
    auto* group = new QGroupBox(QStringLiteral("Task File"));
    auto* form = new QFormLayout(group);
    Edit_TaskName = named(new QLineEdit, "Edit_TaskName");
    Label_TaskFolder = named(new QLabel, "Label_TaskFolder");
    Label_TaskFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(buddyLabel(QStringLiteral("Task &name:"), Edit_TaskName), Edit_TaskName);
    form->addRow(buddyLabel(QStringLiteral("Folder:"), Label_TaskFolder), Label_TaskFolder);
    connect(Edit_TaskName, &QLineEdit::textChanged, this, [this] { updateFinish(); });
    return group;
}

QWidget* TaskWizardDialog::buildOperationGroup() {
    auto* group = new QGroupBox(QStringLiteral("Operation and Device"));
    auto* form = new QFormLayout(group);
    Cmb_Operation = named(new QComboBox, "Cmb_Operation");
    Cmb_Device = named(new QComboBox, "Cmb_Device");
    Label_DeviceNote = named(new QLabel, "Label_DeviceNote");
    Label_DeviceNote->setWordWrap(true);
    form->addRow(buddyLabel(QStringLiteral("&Operation:"), Cmb_Operation), Cmb_Operation);
    form->addRow(buddyLabel(QStringLiteral("&Device:"), Cmb_Device), Cmb_Device);
    form->addRow(QString(), Label_DeviceNote);
    connect(Cmb_Operation, &QComboBox::currentIndexChanged, this, [this] { Cmb_OperationChange(); });
    connect(Cmb_Device, &QComboBox::currentIndexChanged, this, [this] { Cmb_DeviceChange(); });
    return group;
}

QWidget* TaskWizardDialog::buildChannelGroup() {
    auto* group = new QGroupBox(QStringLiteral("Channels"));
    List_Channels = named(new QListWidget, "List_Channels");
    Button_SelectAll = named(new QPushButton(QStringLiteral("Select &All")), "Button_SelectAll");
    Button_ClearChannels = named(new QPushButton(QStringLiteral("C&lear")), "Button_ClearChannels");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button_SelectAll);
    buttons->addWidget(Button_ClearChannels);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(buddyLabel(QStringLiteral("Enabled &channels:"), List_Channels));
    layout->addWidget(List_Channels, 1);
    layout->addLayout(buttons);
    const auto checkAll = [this](Qt::CheckState state) {
        for (int row = 0; row < List_Channels->count(); ++row) {
            List_Channels->item(row)->setCheckState(state);
        }
    };
    connect(Button_SelectAll, &QPushButton::clicked, this, [checkAll] { checkAll(Qt::Checked); });
    connect(Button_ClearChannels, &QPushButton::clicked, this, [checkAll] { checkAll(Qt::Unchecked); });
    connect(List_Channels, &QListWidget::itemChanged, this, [this] { updateFinish(); });
    return group;
}

QWidget* TaskWizardDialog::buildSettingsGroup() {
    auto* group = new QGroupBox(QStringLiteral("Settings"));
    settingsForm_ = new QFormLayout(group);
    Cmb_Range = named(new QComboBox, "Cmb_Range");
    Edit_Rate = numberBox("Edit_Rate", 0.001, kMaxRate, 3, 1000);
    Edit_BlockSize = named(new QSpinBox, "Edit_BlockSize");
    Edit_BlockSize->setRange(0, kMaxBlock);
    Edit_BlockSize->setSpecialValueText(QStringLiteral("Automatic"));
    Edit_BlockSize->setGroupSeparatorShown(true);
    Edit_TimerInterval = named(new QSpinBox, "Edit_TimerInterval");
    Edit_TimerInterval->setRange(1, kMaxTimerInterval);
    Edit_TimerInterval->setValue(1000);
    Cmb_Waveform = named(new QComboBox, "Cmb_Waveform");
    fillChoices(Cmb_Waveform, waveforms());
    Edit_Frequency = numberBox("Edit_Frequency", 1, 250'000, 3, 1000);
    Edit_Amplitude = numberBox("Edit_Amplitude", 0, 10, 4, 1);
    Edit_Offset = numberBox("Edit_Offset", -10, 10, 4, 0);
    Edit_Phase = numberBox("Edit_Phase", -360, 360, 2, 0);
    Edit_DutyCycle = numberBox("Edit_DutyCycle", 0, 100, 2, 50);
    Label_NoSettings = named(new QLabel(QStringLiteral("This operation needs nothing beyond its channels.")),
                             "Label_NoSettings");
    Label_NoSettings->setWordWrap(true);

    const std::vector<std::pair<QString, SettingRow>> rows = {
        {QStringLiteral("&Range:"), {Cmb_Range, {AnalogPolling, AnalogAcquisition, AnalogWrite}}},
        {QStringLiteral("&Rate (samples/s):"),
         {Edit_Rate, {AnalogAcquisition, DigitalAcquisition, PatternOutput}}},
        {QStringLiteral("&Buffer (samples):"),
         {Edit_BlockSize, {AnalogAcquisition, DigitalAcquisition, PatternOutput}}},
        {QStringLiteral("Timer &interval (ms):"), {Edit_TimerInterval, {Timer}}},
        {QStringLiteral("&Waveform:"), {Cmb_Waveform, {FunctionGenerator}}},
        {QStringLiteral("&Frequency (Hz):"), {Edit_Frequency, {FunctionGenerator}}},
        {QStringLiteral("&Amplitude (V):"), {Edit_Amplitude, {FunctionGenerator}}},
        {QStringLiteral("O&ffset (V):"), {Edit_Offset, {FunctionGenerator}}},
        {QStringLiteral("&Phase (degrees):"), {Edit_Phase, {FunctionGenerator}}},
        {QStringLiteral("D&uty cycle (%):"), {Edit_DutyCycle, {FunctionGenerator}}},
    };
    for (const auto& [text, row] : rows) {
        settingsForm_->addRow(buddyLabel(text, row.field), row.field);
        settingRows_.push_back(row);
    }
    settingsForm_->addRow(Label_NoSettings);
    settingRows_.push_back({Label_NoSettings, {DigitalRead, DigitalWrite, EventCounter}});
    connect(Cmb_Range, &QComboBox::activated, this, [this] { Cmb_RangeChange(); });
    return group;
}

QWidget* TaskWizardDialog::buildDescriptionGroup() {
    auto* group = new QGroupBox(QStringLiteral("Description"));
    Edit_Description = named(new QPlainTextEdit, "Edit_Description");
    Edit_Description->setTabChangesFocus(true);
    Edit_Description->setFixedHeight(Edit_Description->fontMetrics().lineSpacing() * 4);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(buddyLabel(QStringLiteral("D&escription saved with the task:"), Edit_Description));
    layout->addWidget(Edit_Description);
    return group;
}

QWidget* TaskWizardDialog::buildButtons() {
    auto* row = new QWidget;
    Button_Finish = named(new QPushButton(QStringLiteral("&Finish")), "Button_Finish");
    Button_Cancel = named(new QPushButton(QStringLiteral("Cancel")), "Button_Cancel");
    Button_Finish->setDefault(true);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(Button_Finish);
    layout->addWidget(Button_Cancel);
    connect(Button_Finish, &QPushButton::clicked, this, &TaskWizardDialog::accept);
    connect(Button_Cancel, &QPushButton::clicked, this, &TaskWizardDialog::reject);
    return row;
}

void TaskWizardDialog::setTaskFile(const QString& folder, const QString& taskName, bool nameEditable) {
    folder_ = folder;
    Label_TaskFolder->setText(folder);
    Edit_TaskName->setText(taskName);
    Edit_TaskName->setReadOnly(!nameEditable);
    (nameEditable ? static_cast<QWidget*>(Edit_TaskName) : Cmb_Operation)->setFocus();
}

QString TaskWizardDialog::taskName() const {
    return Edit_TaskName->text();
}

void TaskWizardDialog::fillOperations() {
    Cmb_Operation->clear();
    auto* model = qobject_cast<QStandardItemModel*>(Cmb_Operation->model());
    for (const OperationEntry& operation : operationCatalog()) {
        Cmb_Operation->addItem(QString::fromLatin1(operation.text), operation.code);
        const bool offered = std::any_of(cards_.begin(), cards_.end(), [&](const CardChoice& card) {
            return cardPerforms(card, operation.code);
        });
        if (!offered) {
            model->item(Cmb_Operation->count() - 1)->setEnabled(false);
        }
    }
    for (int row = 0; row < Cmb_Operation->count(); ++row) {
        if (model->item(row)->isEnabled()) {
            Cmb_Operation->setCurrentIndex(row);
            return;
        }
    }
}

int TaskWizardDialog::currentOperation() const {
    return Cmb_Operation->currentData().toInt();
}

const CardChoice* TaskWizardDialog::currentCard() const {
    const int index = Cmb_Device->currentData().toInt();
    return Cmb_Device->currentIndex() >= 0 && index >= 0 && index < static_cast<int>(cards_.size())
               ? &cards_[static_cast<std::size_t>(index)]
               : nullptr;
}

void TaskWizardDialog::Cmb_OperationChange() {
    if (filling_) {
        return;
    }
    filling_ = true;
    fillDevices();
    fillRanges();
    filling_ = false;
    showSettingRows();
    Cmb_DeviceChange();
}

void TaskWizardDialog::Cmb_DeviceChange() {
    if (filling_) {
        return;
    }
    fillChannels();
    updateFinish();
}

void TaskWizardDialog::Cmb_RangeChange() {
    rangeTouched_ = true;
}

void TaskWizardDialog::fillDevices() {
    const CardChoice* previous = currentCard();
    const CardChoice kept = previous ? *previous : CardChoice{};
    Cmb_Device->clear();
    const int operation = currentOperation();
    for (std::size_t index = 0; index < cards_.size(); ++index) {
        if (cardPerforms(cards_[index], operation)) {
            Cmb_Device->addItem(cards_[index].label(), static_cast<int>(index));
        }
    }
    if (previous) {
        selectCard(kept.typeCode, kept.cardNumber);
    }
    const bool none = Cmb_Device->count() == 0;
    Label_DeviceNote->setText(none ? QStringLiteral("No card in this computer can perform this operation.")
                                   : QString());
    Label_DeviceNote->setVisible(none);
}

void TaskWizardDialog::fillChannels() {
    const std::vector<int> checked = checkedChannels();
    List_Channels->clear();
    const CardChoice* card = currentCard();
    const OperationEntry* operation = findOperationEntry(currentOperation());
    if (!card || !operation) {
        return;
    }
    const int count = channelCount(*card, operation->code);
    const QSignalBlocker blocker(List_Channels);
    for (int channel = 0; channel < count; ++channel) {
        auto* item = new QListWidgetItem(channelName(*operation, channel), List_Channels);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setData(Qt::UserRole, channel);
        const bool wasChecked = std::find(checked.begin(), checked.end(), channel) != checked.end();
        item->setCheckState(wasChecked ? Qt::Checked : Qt::Unchecked);
    }
    if (checkedChannels().empty() && count > 0) {
        List_Channels->item(0)->setCheckState(Qt::Checked);
    }
}

void TaskWizardDialog::fillRanges() {
    const OperationEntry* operation = findOperationEntry(currentOperation());
    const bool current = operation && operation->current;
    const int kept = Cmb_Range->currentData().toInt();
    fillChoices(Cmb_Range, current ? currentRanges() : voltageRanges());
    if (!selectData(Cmb_Range, kept)) {
        selectData(Cmb_Range, current ? kDefaultCurrentRange : kDefaultVoltageRange);
    }
}

void TaskWizardDialog::showSettingRows() {
    const OperationFamily family = familyOf(currentOperation());
    for (const SettingRow& row : settingRows_) {
        const bool shown = std::find(row.families.begin(), row.families.end(), family) != row.families.end();
        settingsForm_->setRowVisible(row.field, shown);
    }
}

void TaskWizardDialog::updateFinish() {
    Button_Finish->setEnabled(currentCard() && !checkedChannels().empty() &&
                              !Edit_TaskName->text().trimmed().isEmpty());
}

std::vector<int> TaskWizardDialog::checkedChannels() const {
    std::vector<int> channels;
    for (int row = 0; row < List_Channels->count(); ++row) {
        const QListWidgetItem* item = List_Channels->item(row);
        if (item->checkState() == Qt::Checked) {
            channels.push_back(item->data(Qt::UserRole).toInt());
        }
    }
    return channels;
}

bool TaskWizardDialog::selectOperation(int code) {
    const int index = Cmb_Operation->findData(code);
    const auto* model = qobject_cast<QStandardItemModel*>(Cmb_Operation->model());
    if (index < 0 || !model->item(index)->isEnabled()) {
        return false;
    }
    Cmb_Operation->setCurrentIndex(index);
    return true;
}

bool TaskWizardDialog::selectCard(int typeCode, int cardNumber) {
    for (int row = 0; row < Cmb_Device->count(); ++row) {
        const CardChoice& card = cards_[static_cast<std::size_t>(Cmb_Device->itemData(row).toInt())];
        if (card.typeCode == typeCode && card.cardNumber == cardNumber) {
            Cmb_Device->setCurrentIndex(row);
            return true;
        }
    }
    return false;
}

void TaskWizardDialog::checkChannels(const std::vector<int>& channels) {
    for (int row = 0; row < List_Channels->count(); ++row) {
        QListWidgetItem* item = List_Channels->item(row);
        const bool wanted =
            std::find(channels.begin(), channels.end(), item->data(Qt::UserRole).toInt()) != channels.end();
        item->setCheckState(wanted ? Qt::Checked : Qt::Unchecked);
    }
}

void TaskWizardDialog::setSettings(const TaskSettings& settings) {
    selectOperation(settings.operation);
    selectCard(settings.typeCode, settings.cardNumber);
    checkChannels(settings.channels);
    channelOrder_ = settings.channels;
    loadedRanges_ = settings.channelRanges;
    loadedOperation_ = settings.operation;
    loadedInputSource_ = settings.inputSource;
    rangeTouched_ = false;
    if (settings.range != 0) {
        selectData(Cmb_Range, settings.range);
    }
    Edit_Rate->setValue(settings.rate);
    Edit_BlockSize->setValue(static_cast<int>(std::min<std::uint32_t>(settings.blockSize, kMaxBlock)));
    Edit_TimerInterval->setValue(static_cast<int>(settings.timerInterval));
    selectData(Cmb_Waveform, settings.generator.waveform);
    Edit_Frequency->setValue(settings.generator.frequency);
    Edit_Amplitude->setValue(settings.generator.amplitude);
    Edit_Offset->setValue(settings.generator.offset);
    Edit_Phase->setValue(settings.generator.phase);
    Edit_DutyCycle->setValue(settings.generator.dutyCycle);
    Edit_Description->setPlainText(QString::fromStdString(settings.description));
}

TaskSettings TaskWizardDialog::settings() const {
    TaskSettings settings;
    settings.operation = currentOperation();
    if (const CardChoice* card = currentCard()) {
        settings.typeCode = card->typeCode;
        settings.cardNumber = card->cardNumber;
    }
    // Channels keep the order they were loaded in; newly checked ones follow in ascending order.
    const std::vector<int> checked = checkedChannels();
    for (const int channel : channelOrder_) {
        if (std::find(checked.begin(), checked.end(), channel) != checked.end()) {
            settings.channels.push_back(channel);
        }
    }
    for (const int channel : checked) {
        if (std::find(settings.channels.begin(), settings.channels.end(), channel) ==
            settings.channels.end()) {
            settings.channels.push_back(channel);
        }
    }
    const bool sameOperation = settings.operation == loadedOperation_;
    if (sameOperation && !rangeTouched_) {
        settings.channelRanges = loadedRanges_;
    }
    settings.range = Cmb_Range->currentData().toInt();
    settings.inputSource = sameOperation ? loadedInputSource_ : 0;
    settings.rate = Edit_Rate->value();
    settings.blockSize = static_cast<std::uint32_t>(Edit_BlockSize->value());
    settings.timerInterval = static_cast<std::uint32_t>(Edit_TimerInterval->value());
    settings.generator = {Cmb_Waveform->currentData().toInt(),
                          Edit_Frequency->value(),
                          Edit_Amplitude->value(),
                          Edit_Offset->value(),
                          Edit_Phase->value(),
                          Edit_DutyCycle->value()};
    settings.description = Edit_Description->toPlainText().toStdString();
    return settings;
}

void TaskWizardDialog::accept() {
    if (finish_ && !finish_(*this)) {
        return;
    }
    QDialog::accept();
}

} // namespace doz::taskwizard
