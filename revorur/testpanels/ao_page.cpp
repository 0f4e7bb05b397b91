#include "revorur/testpanels/ao_page.h"

#include "revorur/testpanels/list_refill.h"
#include "revorur/testpanels/number_box.h"
#include "revorur/testpanels/panel_look.h"

#include "common/ui/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace doz::testpanels {

namespace {

constexpr int kDcMode = 0;
constexpr std::int32_t kVoltageOutput = 350;
constexpr double kLowestFrequency = 1.0;
constexpr double kHighestFrequency = 250000.0;
constexpr double kOutputLimit = 10.0;

// The generator's waveforms, in the order of the function list.
struct Waveform {
    const char* text;
    std::int32_t code;
};
constexpr std::array<Waveform, 4> kWaveforms{{
    {"Sine Wave", 400},
    {"Square Wave", 401},
    {"Triangle Wave", 402},
    {"Sawtooth Wave", 403},
}};

QComboBox* newList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    return list;
}

} // namespace

AoPage::AoPage(int channelCount, TaskTarget target, AoPageRules rules, QWidget* parent)
    : TestPanelPage(parent), channelCount_(channelCount), target_(target), rules_(std::move(rules)) {
    setObjectName("TabSheet_Ao");
    buildControls();
    connect(Cmb_AoMode, &QComboBox::currentIndexChanged, this, [this] { Cmb_AoModeChange(); });
    connect(Btn_AoStart, &QPushButton::clicked, this, [this] { Btn_AoStartClick(); });
    connect(Btn_AoStop, &QPushButton::clicked, this, [this] { Btn_AoStopClick(); });
}

AoPage::~AoPage() = default;

void AoPage::buildControls() {
    auto* output = new QGroupBox(tr("Output"), this);
    auto* outputGrid = new QGridLayout(output);
    Cmb_AoChannel = newList(output, "Cmb_AoChannel");
    RefillList(Cmb_AoChannel, rules_.fixedChannels);
    Cmb_AoMode = newList(output, "Cmb_AoMode");
    RefillList(Cmb_AoMode, {tr("DC Output"), tr("Function Generator")});
    AddField(outputGrid, 0, 0, tr("AO Channel:"), Cmb_AoChannel);
    AddField(outputGrid, 1, 0, tr("Mode:"), Cmb_AoMode);
    outputGrid->setColumnStretch(1, 1);

    GroupBox_AoDc = new QGroupBox(tr("DC"), this);
    GroupBox_AoDc->setObjectName("GroupBox_AoDc");
    auto* dcGrid = new QGridLayout(GroupBox_AoDc);
    Edit_AoDcOut = NewNumberBox(GroupBox_AoDc, "Edit_AoDcOut", "0", kSignedDecimalKeys);
    AddField(dcGrid, 0, 0, tr("Output Value:"), Edit_AoDcOut, tr("V"));
    dcGrid->setColumnStretch(1, 1);

    GroupBox_AoFuncGen = new QGroupBox(tr("Function Generator"), this);
    GroupBox_AoFuncGen->setObjectName("GroupBox_AoFuncGen");
    auto* genGrid = new QGridLayout(GroupBox_AoFuncGen);
    Cmb_AoFunc = newList(GroupBox_AoFuncGen, "Cmb_AoFunc");
    QStringList functions;
    for (const Waveform& wave : kWaveforms)
        functions << tr(wave.text);
    RefillList(Cmb_AoFunc, functions);
    Edit_AoOffset = NewNumberBox(GroupBox_AoFuncGen, "Edit_AoOffset", "0", kSignedDecimalKeys);
    Edit_AoFreq = NewNumberBox(GroupBox_AoFuncGen, "Edit_AoFreq", "100", kSignedDecimalKeys);
    Edit_AoAmpl = NewNumberBox(GroupBox_AoFuncGen, "Edit_AoAmpl", "1", kSignedDecimalKeys);
    Edit_AoPhase = NewNumberBox(GroupBox_AoFuncGen, "Edit_AoPhase", "0", kSignedDecimalKeys);
    Edit_AoDutyCycle = NewNumberBox(GroupBox_AoFuncGen, "Edit_AoDutyCycle", "50", kSignedDecimalKeys);
    AddField(genGrid, 0, 0, tr("Function:"), Cmb_AoFunc, {}, 4);
    AddField(genGrid, 1, 0, tr("Offset:"), Edit_AoOffset, tr("V"));
    AddField(genGrid, 1, 3, tr("Frequency:"), Edit_AoFreq, tr("Hz"));
    AddField(genGrid, 2, 0, tr("Amplitude:"), Edit_AoAmpl, tr("V"));
    AddField(genGrid, 2, 3, tr("Phase(deg):"), Edit_AoPhase);
    AddField(genGrid, 3, 0, tr("Duty Cycle:"), Edit_AoDutyCycle, tr("%"));
    genGrid->setColumnStretch(1, 1);
    genGrid->setColumnStretch(4, 1);
    GroupBox_AoFuncGen->setEnabled(false);

    Btn_AoStart = NewKey(this, "Btn_AoStart", tr("Start"), KeyRole::Start);
    Btn_AoStop = NewKey(this, "Btn_AoStop", tr("Stop"), KeyRole::Stop);
    Btn_AoStop->setEnabled(false);
    auto* keys = new QHBoxLayout;
    keys->addStretch();
    keys->addWidget(Btn_AoStart);
    keys->addWidget(Btn_AoStop);

    Label_AoReadout = NewReadout(this, "Label_AoReadout", tr("AO idle"));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(output);
    page->addWidget(GroupBox_AoDc);
    page->addWidget(GroupBox_AoFuncGen);
    page->addLayout(keys);
    page->addStretch();
    page->addWidget(Label_AoReadout);
}

void AoPage::pageShown() {
    // A fixed list stays as the form holds it; a running generator keeps its channel shown.
    if (!rules_.fixedChannels.isEmpty() || generating_)
        return;
    QStringList channels;
    for (int i = 0; i < channelCount_; ++i)
        channels << QString::asprintf("AO%d", i);
    RefillList(Cmb_AoChannel, channels);
}

void AoPage::Cmb_AoModeChange() {
    const bool dc = Cmb_AoMode->currentIndex() == kDcMode;
    GroupBox_AoDc->setEnabled(dc);
    GroupBox_AoFuncGen->setEnabled(!dc);
}

void AoPage::Btn_AoStartClick() {
    if (Cmb_AoMode->currentIndex() == kDcMode)
        writeDc();
    else
        startGenerator();
}

void AoPage::Btn_AoStopClick() {
    if (Cmb_AoMode->currentIndex() == kDcMode)
        stopDc();
    else
        stopGenerator();
}

void AoPage::writeDc() {
    // The task of an earlier value is ended first; the card keeps the level it wrote.
    const Radezuvi_Handle task = AoTask.create(RADEZUVI_OP_AO_VOLTAGE, target_, 1);
    if (task == 0) {
        Label_AoReadout->setText(tr("The card did not open for output."));
        return;
    }
    const int channel = std::max(Cmb_AoChannel->currentIndex(), 0);
    Radezuvi_EnableSingleChannel(task, channel);
    const double value = DecimalValue(Edit_AoDcOut);
    const std::int32_t written = Radezuvi_AO_WriteChannel(task, value);
    if (written < 0) {
        // Nothing was written: no task stays, and the page does not look as if it outputs.
        AoTask.reset();
        Label_AoReadout->setText(tr("%1: the card refused %2 V (error %3)")
                                     .arg(Cmb_AoChannel->currentText())
                                     .arg(value)
                                     .arg(written));
        return;
    }
    Label_AoReadout->setText(tr("%1 = %2 V").arg(Cmb_AoChannel->currentText()).arg(value, 0, 'f', 3));
}

void AoPage::stopDc() {
    AoTask.reset();
    setGenerating(false);
    Label_AoReadout->setText(tr("AO idle"));
}

const char* AoPage::generatorProblem() const {
    const double frequency = DecimalValue(Edit_AoFreq);
    const double offset = DecimalValue(Edit_AoOffset);
    const double amplitude = DecimalValue(Edit_AoAmpl);
    if (frequency < kLowestFrequency || frequency > kHighestFrequency)
        return rules_.frequencyMessage;
    if (rules_.negativeAmplitudeMessage && amplitude < 0)
        return rules_.negativeAmplitudeMessage;
    if (offset - amplitude < -kOutputLimit || offset + amplitude > kOutputLimit)
        return kOutValueOutOfRange;
    return nullptr;
}

void AoPage::startGenerator() {
    if (const char* problem = generatorProblem()) {
        inform(problem);
        return;
    }
    AoTask.reset();
    const Radezuvi_Handle task = AoTask.create(RADEZUVI_OP_AO_FUNCTION_GEN, target_, rules_.generatorOpenNow);
    if (task == 0) {
        Label_AoReadout->setText(tr("The card did not open for the generator."));
        return;
    }
    const int channel = std::max(Cmb_AoChannel->currentIndex(), 0);
    const Waveform& wave = kWaveforms[std::clamp(Cmb_AoFunc->currentIndex(), 0, int(kWaveforms.size()) - 1)];
    Radezuvi_EnableSingleChannel(task, channel);
    Radezuvi_SetChannelPropertyEnum(task, channel, RADEZUVI_CHPROP_OUTPUT_KIND, kVoltageOutput);
    Radezuvi_SetChannelPropertyEnum(task, channel, RADEZUVI_CHPROP_WAVEFORM, wave.code);
    Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_OFFSET, DecimalValue(Edit_AoOffset));
    Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_FREQUENCY, DecimalValue(Edit_AoFreq));
    Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_AMPLITUDE, DecimalValue(Edit_AoAmpl));
    Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_PHASE, DecimalValue(Edit_AoPhase));
    Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_DUTY_CYCLE, DecimalValue(Edit_AoDutyCycle));
    const std::int32_t started = Radezuvi_Start(task);
    if (started < 0)
        inform(kParameterError);
    if (started != 0) {
        // A refused start leaves no task behind.
        AoTask.reset();
        Label_AoReadout->setText(tr("The generator did not start (error %1).").arg(started));
        return;
    }
    setGenerating(true);
    Label_AoReadout->setText(tr("%1: %2  %3 Hz  %4 V around %5 V")
                                 .arg(Cmb_AoChannel->currentText(), Cmb_AoFunc->currentText())
                                 .arg(DecimalValue(Edit_AoFreq))
                                 .arg(DecimalValue(Edit_AoAmpl))
                                 .arg(DecimalValue(Edit_AoOffset)));
}

void AoPage::stopGenerator() {
    if (!AoTask)
        return;
    const std::int32_t stopped = Radezuvi_Stop(AoTask.get());
    if (stopped < 0) {
        // The generator keeps running and its settings stay locked: the user may try again.
        Label_AoReadout->setText(tr("The card refused to stop (error %1).").arg(stopped));
        return;
    }
    AoTask.reset();
    setGenerating(false);
    Label_AoReadout->setText(tr("AO idle"));
}

void AoPage::endTasks() {
    AoTask.reset();
    setGenerating(false);
}

void AoPage::setGenerating(bool generating) {
    generating_ = generating;
    for (QWidget* setting : {static_cast<QWidget*>(Btn_AoStart), static_cast<QWidget*>(Cmb_AoChannel),
                             static_cast<QWidget*>(Cmb_AoMode), static_cast<QWidget*>(Cmb_AoFunc),
                             static_cast<QWidget*>(Edit_AoOffset), static_cast<QWidget*>(Edit_AoAmpl),
                             static_cast<QWidget*>(Edit_AoDutyCycle), static_cast<QWidget*>(Edit_AoFreq),
                             static_cast<QWidget*>(Edit_AoPhase)})
        setting->setEnabled(!generating);
    Btn_AoStop->setEnabled(generating);
}

void AoPage::inform(const char* message) {
    ui::dialogs().information(this, window()->windowTitle(), QString::fromLatin1(message));
}

} // namespace doz::testpanels
