#include "system_info_form.h"

#include "system_info_texts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace doz::shell {
namespace {

constexpr const char* ProcessorCaptions[] = {
    "processor:",       "Number of Processor:",    "Processor Architacture:",
    "Processor Clock:", "Min. Processor Address:", "Max. Processor Address:",
};
constexpr const char* MemoryCaptions[] = {
    "Total Physical Memory:",    "Available Physical Memory:", "Total Virtual Memory:",
    "Available Virtual Memory:", "Total Available Memory:",
};
constexpr int RefreshMilliseconds = 1000;
constexpr int CaptionWidth = 170;

// A group of caption and value rows; the value labels are named "<prefix>00", "<prefix>01" ...
template <std::size_t N>
QGroupBox* valueGroup(QWidget* parent, const char* title, const char* const (&captions)[N],
                      const char* prefix, const std::array<QLabel**, N>& values) {
    auto* group = new QGroupBox(QString::fromLatin1(title), parent);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(12);
    for (std::size_t i = 0; i < N; ++i) {
        auto* caption = new QLabel(QString::fromLatin1(captions[i]), group);
        caption->setMinimumWidth(CaptionWidth); // both groups align their values
        auto* value = new QLabel(group);
        value->setObjectName(QString::fromLatin1(prefix) + QString::asprintf("%02d", static_cast<int>(i)));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(180);
        caption->setBuddy(value);
        grid->addWidget(caption, static_cast<int>(i), 0);
        grid->addWidget(value, static_cast<int>(i), 1);
        *values[i] = value;
    }
    return group;
}

template <std::size_t N>
void showTexts(const std::array<QLabel*, N>& labels, const std::array<std::string, N>& texts) {
    for (std::size_t i = 0; i < N; ++i)
        labels[i]->setText(QString::fromStdString(texts[i]));
}

} // namespace

TForm_SystemInfo::TForm_SystemInfo(QWidget* parent, InfoSource source)
    : QDialog(parent), source_(std::move(source)) {
    setObjectName("Form_SystemInfo");
    setWindowTitle("System Information");

    GroupBox_Processor = valueGroup(this, "Processor Status", ProcessorCaptions, "Label_ProcInfo_",
                                    std::array{&Label_ProcInfo_00, &Label_ProcInfo_01, &Label_ProcInfo_02,
                                               &Label_ProcInfo_03, &Label_ProcInfo_04, &Label_ProcInfo_05});
    GroupBox_Processor->setObjectName("GroupBox_Processor");
    GroupBox_Memory = valueGroup(this, "Memory Status", MemoryCaptions, "Label_MemInfo_",
                                 std::array{&Label_MemInfo_00, &Label_MemInfo_01, &Label_MemInfo_02,
                                            &Label_MemInfo_03, &Label_MemInfo_04});
    GroupBox_Memory->setObjectName("GroupBox_Memory");
    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->addWidget(GroupBox_Processor);
    column->addWidget(GroupBox_Memory);
    column->addWidget(Button1, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(RefreshMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TForm_SystemInfo::Timer1Timer);

    FormCreate();
    Timer1->start();
}

void TForm_SystemInfo::FormCreate() {
    const platform::SystemInfo info = source_();
    showTexts(processorLabels(), ProcessorTexts(info, RegistryProcessorMhz()));
    fillMemory(info);
}

void TForm_SystemInfo::Timer1Timer() {
    fillMemory(source_());
}

void TForm_SystemInfo::fillMemory(const platform::SystemInfo& info) {
    showTexts(memoryLabels(), MemoryTexts(info));
}

std::array<QLabel*, 6> TForm_SystemInfo::processorLabels() const {
    return {Label_ProcInfo_00, Label_ProcInfo_01, Label_ProcInfo_02,
            Label_ProcInfo_03, Label_ProcInfo_04, Label_ProcInfo_05};
}

std::array<QLabel*, 5> TForm_SystemInfo::memoryLabels() const {
    return {Label_MemInfo_00, Label_MemInfo_01, Label_MemInfo_02, Label_MemInfo_03, Label_MemInfo_04};
}

// Closing hides the dialog; the refresh stops with it.
void TForm_SystemInfo::hideEvent(QHideEvent* event) {
    Timer1->stop();
    QDialog::hideEvent(event);
}

} // namespace doz::shell
