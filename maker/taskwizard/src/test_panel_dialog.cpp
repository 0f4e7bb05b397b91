#include "maker/taskwizard/src/test_panel_dialog.h"

#include "maker/taskwizard/src/engine_cards.h"
#include "maker/taskwizard/src/engine_messages.h"

#include "maker/controls/adv_digital_graph.h"
#include "maker/controls/adv_graph.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace doz::taskwizard {

namespace {

using enum OperationFamily;

constexpr int kPollMilliseconds = 300;
// Operations the engine knows but the catalogue does not: shown, never run as anything particular.
constexpr OperationEntry kUnknownOperation{0, "Unknown operation", "CH%d", EventCounter};

// The page of the display that shows what each family produces.
struct DisplayPage {
    OperationFamily family;
    const char* page;
};

constexpr DisplayPage kDisplayPages[] = {
    {AnalogPolling, "Page_Values"}, {AnalogAcquisition, "Page_AnalogGraph"},
    {AnalogWrite, "Page_Write"},    {FunctionGenerator, "Page_Output"},
    {DigitalRead, "Page_Port"},     {DigitalAcquisition, "Page_DigitalGraph"},
    {DigitalWrite, "Page_Write"},   {PatternOutput, "Page_Output"},
    {EventCounter, "Page_Count"},   {Timer, "Page_Count"},
};

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* bigLabel(const char* name) {
    auto* label = named(new QLabel(QStringLiteral("--")), name);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 2.5);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QWidget* page(const char* name, QWidget* content) {
    auto* widget = new QWidget;
    widget->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(widget);
    layout->addWidget(content, 1);
    return widget;
}

QString portText(std::uint32_t value) {
    const QString hex = QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("0x%1  (%2)").arg(hex).arg(value);
}

} // namespace

TestPanelDialog::TestPanelDialog(Radezuvi_Handle task, const QString& caption, QWidget* parent)
    : QDialog(parent), task_(task), settings_(readSettings(task)),
      operation_(findOperationEntry(settings_.operation)) {
    if (!operation_) {
        operation_ = &kUnknownOperation;
    }
    setObjectName(QStringLiteral("TestPanel"));
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Instant Test Panel") : caption);
    auto* graph = new controls::TAdvGraph;
    auto* digital = new controls::TAdvDigitalGraph;
    Graph_Analog = named(graph, "Graph_Analog");
    Graph_Digital = named(digital, "Graph_Digital");
    const QString firstChannel =
        settings_.channels.empty() ? QString() : channelName(*operation_, settings_.channels.front());
    Graph_Analog->setAccessibleName(QStringLiteral("Graph of %1").arg(firstChannel));
    Graph_Digital->setAccessibleName(QStringLiteral("Samples of %1").arg(firstChannel));
    sink_ = std::make_unique<EngineEventSink>([this] { showEvents(); }, graph->feed(), digital->feed());
    sink_->expectDigitalRecords(operation_->family == DigitalAcquisition);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTaskGroup());
    layout->addWidget(buildDisplay(), 1);
    Label_Status = named(new QLabel, "Label_Status");
    Label_Status->setWordWrap(true);
    layout->addWidget(Label_Status);
    layout->addWidget(buildButtons());

    pollTimer_.setInterval(kPollMilliseconds);
    connect(&pollTimer_, &QTimer::timeout, this, [this] { poll(); });
    setStatus(QStringLiteral("Press \"Start\" to run the task."));
    updateButtons();
    resize(680, 520);
}

TestPanelDialog::~TestPanelDialog() {
    Button_StopClick();
}

QWidget* TestPanelDialog::buildTaskGroup() {
    auto* group = new QGroupBox(QStringLiteral("Task"));
    auto* form = new QFormLayout(group);
    Label_Operation = named(new QLabel(QString::fromLatin1(operation_->text)), "Label_Operation");
    Label_Device =
        named(new QLabel(cardOfTask(settings_.typeCode, settings_.cardNumber).label()), "Label_Device");
    QStringList channels;
    for (const int channel : settings_.channels) {
        channels << channelName(*operation_, channel);
    }
    Label_Channels = named(new QLabel(channels.join(QStringLiteral("-"))), "Label_Channels");
    form->addRow(QStringLiteral("Operation:"), Label_Operation);
    form->addRow(QStringLiteral("Device:"), Label_Device);
    form->addRow(QStringLiteral("Channels:"), Label_Channels);
    return group;
}

QWidget* TestPanelDialog::buildDisplay() {
    auto* group = new QGroupBox(QStringLiteral("Data"));
    Notebook_Display = named(new QStackedWidget, "Notebook_Display");

    Table_Values = named(new QTableWidget(static_cast<int>(settings_.channels.size()), 2), "Table_Values");
    Table_Values->setAccessibleName(QStringLiteral("Channel values"));
    Table_Values->setHorizontalHeaderLabels({QStringLiteral("Channel"), QStringLiteral("Value (V)")});
    Table_Values->horizontalHeader()->setStretchLastSection(true);
    Table_Values->verticalHeader()->hide();
    Table_Values->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < Table_Values->rowCount(); ++row) {
        const int channel = settings_.channels[static_cast<std::size_t>(row)];
        Table_Values->setItem(row, 0, new QTableWidgetItem(channelName(*operation_, channel)));
        Table_Values->setItem(row, 1, new QTableWidgetItem(QStringLiteral("--")));
    }
    Label_PortValue = bigLabel("Label_PortValue");
    Label_Count = bigLabel("Label_Count");
    Label_Output =
        named(new QLabel(QStringLiteral("The task drives its output while it runs.")), "Label_Output");
    Label_Output->setAlignment(Qt::AlignCenter);

    Notebook_Display->addWidget(page("Page_AnalogGraph", Graph_Analog));
    Notebook_Display->addWidget(page("Page_DigitalGraph", Graph_Digital));
    Notebook_Display->addWidget(page("Page_Values", Table_Values));
    Notebook_Display->addWidget(page("Page_Port", Label_PortValue));
    Notebook_Display->addWidget(page("Page_Count", Label_Count));
    Notebook_Display->addWidget(page("Page_Output", Label_Output));
    Notebook_Display->addWidget(page("Page_Write", buildWritePage()));
    const auto* shown = std::find_if(std::begin(kDisplayPages), std::end(kDisplayPages),
                                     [&](const DisplayPage& p) { return p.family == operation_->family; });
    if (auto* current = Notebook_Display->findChild<QWidget*>(QLatin1String(shown->page))) {
        Notebook_Display->setCurrentWidget(current);
    }
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(Notebook_Display);
    if (operation_->family == AnalogAcquisition && !settings_.channels.empty()) {
        group->setTitle(
            QStringLiteral("Data -- graph of %1").arg(channelName(*operation_, settings_.channels.front())));
    }
    return group;
}

QWidget* TestPanelDialog::buildWritePage() {
    auto* widget = new QWidget;
    auto* form = new QFormLayout(widget);
    // Both boxes belong to the page, so the one this operation does not use goes with it.
    Edit_OutputValue = named(new QDoubleSpinBox(widget), "Edit_OutputValue");
    Edit_OutputValue->setDecimals(4);
    Edit_OutputValue->setRange(operation_->current ? 0 : -10, operation_->current ? 20 : 10);
    Edit_PortValue = named(new QSpinBox(widget), "Edit_PortValue");
    Edit_PortValue->setRange(0, 0x7fffffff);
    Edit_PortValue->setDisplayIntegerBase(16);
    Edit_PortValue->setPrefix(QStringLiteral("0x"));
    Button_Write = named(new QPushButton(QStringLiteral("&Write")), "Button_Write");
    const bool analog = operation_->family == AnalogWrite;
    auto* valueLabel = new QLabel(analog ? (operation_->current ? QStringLiteral("Output &value (mA):")
                                                                : QStringLiteral("Output &value (V):"))
                                         : QStringLiteral("Port &value:"));
    QWidget* field = analog ? static_cast<QWidget*>(Edit_OutputValue) : Edit_PortValue;
    valueLabel->setBuddy(field);
    (analog ? static_cast<QWidget*>(Edit_PortValue) : Edit_OutputValue)->hide();
    form->addRow(valueLabel, field);
    form->addRow(QString(), Button_Write);
    connect(Button_Write, &QPushButton::clicked, this, [this] { Button_WriteClick(); });
    return widget;
}

QWidget* TestPanelDialog::buildButtons() {
    auto* row = new QWidget;
    Button_Start = named(new QPushButton(QStringLiteral("&Start")), "Button_Start");
    Button_Stop = named(new QPushButton(QStringLiteral("S&top")), "Button_Stop");
    Button_Close = named(new QPushButton(QStringLiteral("&Close")), "Button_Close");
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Button_Start);
    layout->addWidget(Button_Stop);
    layout->addStretch(1);
    layout->addWidget(Button_Close);
    connect(Button_Start, &QPushButton::clicked, this, [this] { Button_StartClick(); });
    connect(Button_Stop, &QPushButton::clicked, this, [this] { Button_StopClick(); });
    connect(Button_Close, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

bool TestPanelDialog::usesCallback() const {
    const OperationFamily family = operation_->family;
    return family == AnalogAcquisition || family == DigitalAcquisition || family == Timer;
}

bool TestPanelDialog::polls() const {
    const OperationFamily family = operation_->family;
    return family == AnalogPolling || family == DigitalRead || family == EventCounter;
}

void TestPanelDialog::Button_StartClick() {
    if (running_) {
        return;
    }
    sink_->reset();
    Graph_Analog->clear();
    Graph_Digital->clear();
    int32_t result = operation_->family == PatternOutput ? preparePattern() : RADEZUVI_OK;
    if (result == RADEZUVI_OK && usesCallback()) {
        result = Radezuvi_SetCallbackProc(task_, &EngineEventSink::callback, sink_.get());
    }
    if (result == RADEZUVI_OK) {
        result = Radezuvi_Start(task_);
    }
    if (result != RADEZUVI_OK) {
        if (usesCallback()) {
            Radezuvi_SetCallbackProc(task_, nullptr, nullptr);
        }
        setStatus(QStringLiteral("The task could not start. %1").arg(engineErrorText(result)));
        return;
    }
    running_ = true;
    setStatus(QStringLiteral("Running."));
    if (polls()) {
        poll();
        pollTimer_.start();
    }
    updateButtons();
}

void TestPanelDialog::Button_StopClick() {
    if (!running_) {
        return;
    }
    pollTimer_.stop();
    Radezuvi_Stop(task_);
    if (usesCallback()) {
        Radezuvi_SetCallbackProc(task_, nullptr, nullptr);
    }
    running_ = false;
    if (polls()) {
        poll();
    }
    const QString delivered = eventText(sink_->take());
    setStatus(delivered.isEmpty() ? QStringLiteral("Stopped.") : QStringLiteral("Stopped: ") + delivered);
    updateButtons();
}

void TestPanelDialog::done(int result) {
    Button_StopClick();
    QDialog::done(result);
}

void TestPanelDialog::Button_WriteClick() {
    const bool analog = operation_->family == AnalogWrite;
    const int32_t result =
        analog ? Radezuvi_AO_WriteChannel(task_, Edit_OutputValue->value())
               : Radezuvi_DO_WritePort(task_, static_cast<std::uint32_t>(Edit_PortValue->value()));
    if (result != RADEZUVI_OK) {
        setStatus(QStringLiteral("The value could not be written. %1").arg(engineErrorText(result)));
        return;
    }
    const QString written = analog ? QString::number(Edit_OutputValue->value(), 'f', 4) +
                                         (operation_->current ? QStringLiteral(" mA") : QStringLiteral(" V"))
                                   : portText(static_cast<std::uint32_t>(Edit_PortValue->value()));
    setStatus(QStringLiteral("Wrote %1 to %2.").arg(written, Label_Channels->text()));
}

// A counting pattern in the task's own buffer, so the port shows every value in turn.
int32_t TestPanelDialog::preparePattern() {
    if (const int32_t result = Radezuvi_Config(task_); result != RADEZUVI_OK) {
        return result;
    }
    Radezuvi_PatternDescriptor pattern{};
    if (const int32_t result = Radezuvi_GetDOBuffer(task_, &pattern, 10); result != RADEZUVI_OK) {
        return result;
    }
    auto* bytes = static_cast<unsigned char*>(pattern.data);
    const std::uint32_t width = pattern.sampleWidth / 8;
    for (std::uint32_t i = 0; bytes && i < pattern.capacity; ++i) {
        for (std::uint32_t b = 0; b < width; ++b) {
            bytes[i * width + b] = static_cast<unsigned char>(b < 4 ? (i >> (8 * b)) & 0xFF : 0);
        }
    }
    pattern.sampleCount = pattern.capacity;
    return Radezuvi_SetDOPattern(task_, &pattern);
}

void TestPanelDialog::poll() {
    switch (operation_->family) {
    case AnalogPolling: {
        std::vector<double> values(settings_.channels.size());
        const int32_t result = Radezuvi_AI_ReadChannels(task_, values.data());
        for (int row = 0; row < Table_Values->rowCount(); ++row) {
            const QString text = result == RADEZUVI_OK
                                     ? QString::number(values[static_cast<std::size_t>(row)], 'f', 4)
                                     : QStringLiteral("--");
            Table_Values->item(row, 1)->setText(text);
        }
        if (result != RADEZUVI_OK) {
            setStatus(QStringLiteral("The channels could not be read. %1").arg(engineErrorText(result)));
        }
        break;
    }
    case DigitalRead: {
        std::uint32_t value = 0;
        const int32_t result = Radezuvi_DI_ReadPort(task_, &value);
        Label_PortValue->setText(result == RADEZUVI_OK ? portText(value) : QStringLiteral("--"));
        if (result != RADEZUVI_OK) {
            setStatus(QStringLiteral("The port could not be read. %1").arg(engineErrorText(result)));
        }
        break;
    }
    case EventCounter: {
        std::uint32_t count = 0;
        const int32_t result = Radezuvi_TC_GetValue(task_, &count);
        if (result == RADEZUVI_OK) {
            showCount(count, QStringLiteral("events"));
        } else {
            setStatus(QStringLiteral("The counter could not be read. %1").arg(engineErrorText(result)));
        }
        break;
    }
    default:
        break;
    }
}

void TestPanelDialog::showEvents() {
    const QString delivered = eventText(sink_->take());
    if (!delivered.isEmpty()) {
        setStatus(delivered);
    }
}

// What the task's events brought, as the status line tells it; timers show their ticks as the count.
QString TestPanelDialog::eventText(const EventSummary& summary) {
    if (operation_->family == Timer) {
        showCount(summary.ticks, QStringLiteral("ticks"));
        return {};
    }
    if (operation_->family != AnalogAcquisition && operation_->family != DigitalAcquisition) {
        return {};
    }
    QStringList parts{QStringLiteral("%1 blocks, %2 samples").arg(summary.blocks).arg(summary.samples)};
    if (summary.overruns > 0) {
        parts << QStringLiteral("%1 blocks after a gap").arg(summary.overruns);
    }
    for (std::size_t i = 0; i < summary.lastScan.size() && i < settings_.channels.size(); ++i) {
        parts << QStringLiteral("%1 %2 V")
                     .arg(channelName(*operation_, settings_.channels[i]))
                     .arg(summary.lastScan[i], 0, 'f', 4);
    }
    if (operation_->family == DigitalAcquisition && summary.blocks > 0) {
        parts << QStringLiteral("last sample %1").arg(portText(summary.lastPortValue));
    }
    if (summary.finished) {
        parts << QStringLiteral("acquisition complete");
    }
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

void TestPanelDialog::showCount(std::uint64_t count, const QString& unit) {
    Label_Count->setText(QStringLiteral("%L1 %2").arg(count).arg(unit));
}

void TestPanelDialog::setStatus(const QString& text) {
    Label_Status->setText(text);
}

void TestPanelDialog::updateButtons() {
    Button_Start->setEnabled(!running_);
    Button_Stop->setEnabled(running_);
}

} // namespace doz::taskwizard
