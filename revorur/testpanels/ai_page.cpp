#include "revorur/testpanels/ai_page.h"

#include "revorur/testpanels/list_refill.h"
#include "revorur/testpanels/number_box.h"
#include "revorur/testpanels/panel_look.h"
#include "revorur/testpanels/panel_texts.h"

#include "common/ui/dialogs.h"
#include "maker/controls/adv_graph.h"
#include "revorur/devices/catalogue/code_texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <vector>

namespace doz::testpanels {

namespace {

constexpr int kContinuousMode = 0;
constexpr int kSingleValueMode = 1;
constexpr int kDifferential = 301;
constexpr std::int32_t kInternalClock = 804;

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QStringList channelNames(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::asprintf("AI%d", i);
    return names;
}

QComboBox* newList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(4);
    return list;
}

QString volts(double value) {
    return QString::asprintf("%+.3f V", value);
}

} // namespace

AiPage::AiPage(const catalogue::AiCapability& caps, TaskTarget target, AiPageRules rules, QWidget* parent)
    : TestPanelPage(parent), caps_(caps), target_(target), rules_(rules) {
    setObjectName("TabSheet_Ai");
    buildControls();
    relay_ = std::make_unique<AnalogRelay>(
        AdvGraph1->feed(), [this](const AnalogBlockSummary& summary) { showSummary(summary); });
    connect(Cmb_AiMode, &QComboBox::currentIndexChanged, this, [this] { Cmb_AiModeChange(); });
    connect(Cmb_AiRefG, &QComboBox::currentIndexChanged, this, [this] { Cmb_AiRefGChange(); });
    connect(Btn_AiStart, &QPushButton::clicked, this, [this] { Btn_AiStartClick(); });
    connect(Btn_AiStop, &QPushButton::clicked, this, [this] { Btn_AiStopClick(); });
}

AiPage::~AiPage() {
    // The task ends, and its last callback returns, before the relay it calls goes.
    AiTask.reset();
}

void AiPage::buildControls() {
    auto* settings = new QGroupBox(tr("Acquisition"), this);
    auto* grid = new QGridLayout(settings);
    grid->setHorizontalSpacing(6);
    Cmb_AiMode = newList(settings, "Cmb_AiMode");
    Cmb_AiChannel = newList(settings, "Cmb_AiChannel");
    Cmb_AiRefG = newList(settings, "Cmb_AiRefG");
    Cmb_AiRange = newList(settings, "Cmb_AiRange");
    Edit_AiSampRate = NewNumberBox(settings, "Edit_AiSampRate", "10000", kSignedDecimalKeys);
    Edit_AiSampRate->setMaximumWidth(90);
    AddField(grid, 0, 0, tr("Mode:"), Cmb_AiMode);
    AddField(grid, 0, 3, tr("AI Channel:"), Cmb_AiChannel);
    // The longest caption gets a row of its own, so the columns below stay narrow.
    auto* referenceRow = new QGridLayout;
    grid->addLayout(referenceRow, 1, 0, 1, 6);
    auto* referenceCaption = new QLabel(tr("Reference Ground:"), settings);
    referenceCaption->setBuddy(Cmb_AiRefG);
    referenceRow->addWidget(referenceCaption, 0, 0);
    referenceRow->addWidget(Cmb_AiRefG, 0, 1);
    referenceRow->setColumnStretch(1, 1);
    AddField(grid, 2, 0, tr("AI Range:"), Cmb_AiRange);
    AddField(grid, 2, 3, tr("Sample Rate:"), Edit_AiSampRate, tr("Hz"));
    Btn_AiStart = NewKey(settings, "Btn_AiStart", tr("Start"), KeyRole::Start);
    Btn_AiStop = NewKey(settings, "Btn_AiStop", tr("Stop"), KeyRole::Stop);
    Btn_AiStop->setEnabled(false);
    auto* keys = new QHBoxLayout;
    keys->addStretch();
    keys->addWidget(Btn_AiStart);
    keys->addWidget(Btn_AiStop);
    grid->addLayout(keys, 3, 0, 1, 6);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(4, 2);

    Notebook_00 = new QStackedWidget(this);
    Notebook_00->setObjectName("Notebook_00");
    auto* graphPage = new QWidget(Notebook_00);
    graphPage->setObjectName("Graph");
    auto* graphLayout = new QVBoxLayout(graphPage);
    graphLayout->setContentsMargins(0, 0, 0, 0);
    AdvGraph1 = new controls::TAdvGraph(graphPage);
    AdvGraph1->setObjectName("AdvGraph1");
    AdvGraph1->setAccessibleName(tr("AI Graph"));
    graphLayout->addWidget(AdvGraph1);
    auto* listPage = new QWidget(Notebook_00);
    listPage->setObjectName("List");
    auto* listLayout = new QVBoxLayout(listPage);
    listLayout->setContentsMargins(0, 0, 0, 0);
    ListView1 = new QTreeWidget(listPage);
    ListView1->setObjectName("ListView1");
    ListView1->setAccessibleName(tr("AI Values"));
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAlternatingRowColors(true);
    ListView1->setHeaderLabels({tr("Channel"), tr("Value"), tr("Reference Ground")});
    ListView1->setColumnWidth(0, 100);
    ListView1->setColumnWidth(1, 100);
    ListView1->setColumnWidth(2, 180);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    listLayout->addWidget(ListView1);
    Notebook_00->addWidget(graphPage);
    Notebook_00->addWidget(listPage);

    Label_AiReadout = NewReadout(this, "Label_AiReadout", tr("AI idle"));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(settings);
    page->addWidget(Notebook_00, 1);
    page->addWidget(Label_AiReadout);
}

void AiPage::pageShown() {
    // The locked lists keep showing what is being acquired.
    if (!acquiring_)
        refillLists();
}

void AiPage::refillLists() {
    QStringList modes;
    QList<int> modeCodes;
    for (int i = 0; i < caps_.modeCount && i < catalogue::MaxModes; ++i) {
        modes << text(catalogue::AiModeText(caps_.modes[i]));
        modeCodes << caps_.modes[i];
    }
    RefillList(Cmb_AiMode, modes, 0, modeCodes);
    refillChannels(caps_.channelCount, 0);
    QStringList references;
    QList<int> referenceCodes;
    for (int i = 0; i < caps_.referenceCount && i < catalogue::MaxReferences; ++i) {
        references << text(catalogue::ReferenceText(caps_.references[i]));
        referenceCodes << caps_.references[i];
    }
    RefillList(Cmb_AiRefG, references, 0, referenceCodes);
    QStringList ranges;
    QList<int> rangeCodes;
    for (int i = 0; i < caps_.rangeCount && i < catalogue::MaxRanges; ++i) {
        ranges << text(catalogue::RangeText(caps_.ranges[i]));
        rangeCodes << caps_.ranges[i];
    }
    RefillList(Cmb_AiRange, ranges, 0, rangeCodes);
    showMode();
}

void AiPage::refillChannels(int count, int selected) {
    RefillList(Cmb_AiChannel, channelNames(count), selected);
}

void AiPage::Cmb_AiModeChange() {
    showMode();
}

void AiPage::showMode() {
    const bool single = SelectedCode(Cmb_AiMode, kContinuousMode) == kSingleValueMode;
    Notebook_00->setCurrentIndex(single ? 1 : 0);
    Edit_AiSampRate->setEnabled(!single && !acquiring_);
}

void AiPage::Cmb_AiRefGChange() {
    if (!rules_.referenceHalvesChannels || caps_.referenceCount <= 1)
        return;
    int count = caps_.channelCount;
    if (SelectedCode(Cmb_AiRefG) == kDifferential)
        count /= 2;
    if (count <= 0)
        return;
    refillChannels(count, std::max(Cmb_AiChannel->currentIndex(), 0) % count);
}

void AiPage::Btn_AiStartClick() {
    if (SelectedCode(Cmb_AiMode, kContinuousMode) == kSingleValueMode)
        readSingleValues();
    else
        startContinuous();
}

void AiPage::startContinuous() {
    const long rate = WholeValue(Edit_AiSampRate);
    // A rate below 1 is as far out of range as one above the card's maximum.
    if (rate < 1 || static_cast<double>(rate) > caps_.maxRate) {
        inform(kRateOutOfRange);
        return;
    }
    const Radezuvi_Handle task = AiTask.create(RADEZUVI_OP_AI_CONTINUOUS, target_, 1);
    if (task == 0) {
        Label_AiReadout->setText(tr("The card did not open for acquisition."));
        return;
    }
    relay_->attach(task);
    Radezuvi_SetPropertyEnum(task, RADEZUVI_PROP_CLOCK_SOURCE, kInternalClock);
    Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, static_cast<double>(rate));
    if (rules_.blockSizeProperty)
        Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_BLOCK_SIZE, static_cast<std::uint32_t>(rate / 10));
    const int channel = std::max(Cmb_AiChannel->currentIndex(), 0);
    Radezuvi_EnableSingleChannel(task, channel);
    Radezuvi_SetChannelPropertyEnum(task, channel, RADEZUVI_CHPROP_RANGE, SelectedCode(Cmb_AiRange));
    AdvGraph1->clear();
    const std::int32_t started = Radezuvi_Start(task);
    if (started < 0) {
        // A refused start leaves no task behind.
        endAcquisition();
        Label_AiReadout->setText(tr("The card refused to start (error %1).").arg(started));
        return;
    }
    rate_ = rate;
    setAcquiring(true);
    Label_AiReadout->setText(
        tr("%1 at %2 S/s: waiting for data").arg(Cmb_AiChannel->currentText()).arg(rate));
}

int AiPage::singleValueChannelCount() const {
    const int count = rules_.singleValueChannels > 0 ? rules_.singleValueChannels : caps_.channelCount;
    bool halve = false;
    switch (rules_.singleValueHalving) {
    case SingleValueHalving::DifferentialOfSeveral:
        halve = caps_.referenceCount > 1 && SelectedCode(Cmb_AiRefG) == kDifferential;
        break;
    case SingleValueHalving::Differential:
        halve = SelectedCode(Cmb_AiRefG) == kDifferential;
        break;
    case SingleValueHalving::FirstReference:
        halve = Cmb_AiRefG->currentIndex() == 0;
        break;
    }
    return halve ? count / 2 : count;
}

void AiPage::readSingleValues() {
    const Radezuvi_Handle task = AiTask.create(RADEZUVI_OP_AI_POLLING, target_, 1);
    if (task == 0) {
        Label_AiReadout->setText(tr("The card did not open for a read."));
        return;
    }
    const long rate = WholeValue(Edit_AiSampRate);
    Radezuvi_SetPropertyEnum(task, RADEZUVI_PROP_CLOCK_SOURCE, kInternalClock);
    Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, static_cast<double>(rate));
    Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_BLOCK_SIZE,
                           static_cast<std::uint32_t>(std::max(rate, 0L) / 10));
    const int count = singleValueChannelCount();
    const int range = SelectedCode(Cmb_AiRange);
    for (int channel = 0; channel < count; ++channel) {
        if (rules_.enableByProperty)
            Radezuvi_SetChannelPropertyBool(task, channel, RADEZUVI_CHPROP_ENABLED, 1);
        else
            Radezuvi_EnableSingleChannel(task, channel);
        Radezuvi_SetChannelPropertyEnum(task, channel, RADEZUVI_CHPROP_RANGE, range);
    }
    // The engine writes one value per enabled channel, never more than were enabled here.
    std::vector<double> values(static_cast<std::size_t>(std::max(count, 1)), 0.0);
    const std::int32_t read = Radezuvi_AI_ReadChannels(task, values.data());
    AiTask.reset();
    if (read < 0) {
        Label_AiReadout->setText(tr("The card refused the read (error %1).").arg(read));
        return;
    }
    ListView1->clear();
    const QString reference = Cmb_AiRefG->currentText();
    QList<QTreeWidgetItem*> rows;
    for (int channel = 0; channel < count; ++channel) {
        auto* row = new QTreeWidgetItem(QStringList{QString::asprintf("AI%d", channel),
                                                    QString::asprintf("%f", values[channel]), reference});
        row->setTextAlignment(1, Qt::AlignCenter);
        rows << row;
    }
    ListView1->addTopLevelItems(rows);
    Label_AiReadout->setText(count == 1 ? tr("1 channel read") : tr("%1 channels read").arg(count));
}

void AiPage::Btn_AiStopClick() {
    if (!AiTask)
        return;
    const std::int32_t stopped = Radezuvi_Stop(AiTask.get());
    if (stopped < 0) {
        // The task keeps running and the settings stay locked: the user may try again.
        Label_AiReadout->setText(tr("The card refused to stop (error %1).").arg(stopped));
        return;
    }
    endAcquisition();
    Label_AiReadout->setText(tr("AI stopped"));
}

void AiPage::endTasks() {
    endAcquisition();
}

void AiPage::endAcquisition() {
    relay_->forget();
    AiTask.reset();
    setAcquiring(false);
}

void AiPage::setAcquiring(bool acquiring) {
    acquiring_ = acquiring;
    for (QWidget* setting : {static_cast<QWidget*>(Btn_AiStart), static_cast<QWidget*>(Cmb_AiMode),
                             static_cast<QWidget*>(Cmb_AiChannel), static_cast<QWidget*>(Cmb_AiRefG),
                             static_cast<QWidget*>(Cmb_AiRange)})
        setting->setEnabled(!acquiring);
    Btn_AiStop->setEnabled(acquiring);
    showMode();
}

void AiPage::showSummary(const AnalogBlockSummary& summary) {
    QString line = tr("%1  %2 S/s  %3 pts  min %4  max %5")
                       .arg(Cmb_AiChannel->currentText())
                       .arg(rate_)
                       .arg(summary.samples)
                       .arg(volts(summary.minimum), volts(summary.maximum));
    if (summary.overruns > 0)
        line += tr("  overruns %1").arg(summary.overruns);
    Label_AiReadout->setText(line);
}

void AiPage::inform(const char* message) {
    ui::dialogs().information(this, window()->windowTitle(), QString::fromLatin1(message));
}

} // namespace doz::testpanels
