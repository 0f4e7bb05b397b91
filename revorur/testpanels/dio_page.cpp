#include "revorur/testpanels/dio_page.h"

#include "revorur/testpanels/list_refill.h"
#include "revorur/testpanels/panel_look.h"

#include "maker/controls/dboolean.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace doz::testpanels {

namespace {

// How a port of each direction is made and drawn.
struct DirectionLook {
    std::int32_t operation;
    std::int16_t style;
    std::uint32_t controlMode;
    QColor topColor;
    const char* tag;
};

const DirectionLook& lookOf(int direction) {
    static const DirectionLook input{RADEZUVI_OP_DI_PORT, 1, 0, QColor(0, 255, 0), "IN"};
    static const DirectionLook output{RADEZUVI_OP_DO_PORT, 7, 1, QColor(255, 0, 0), "OUT"};
    return direction == DioPage::Output ? output : input;
}

constexpr const char* kBankNames[kPortCount] = {"DBooleanA", "DBooleanB", "DBooleanC"};
constexpr const char* kBankLabels[kPortCount] = {"Port A:", "Port B:", "Port C:"};
constexpr const char* kStateNames[kPortCount] = {"Label_PortAState", "Label_PortBState", "Label_PortCState"};

} // namespace

DioPage::DioPage(TaskTarget shownTarget, DioPageRules rules, QWidget* parent)
    : TestPanelPage(parent), shownTarget_(shownTarget), rules_(rules) {
    setObjectName("TabSheet_Dio");
    buildControls();
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(kPollInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(Btn_DioPortInput, &QPushButton::clicked, this, [this] { Btn_DioPortInputClick(); });
    connect(Btn_DioPortOutput, &QPushButton::clicked, this, [this] { Btn_DioPortOutputClick(); });
    for (int port = 0; port < kPortCount; ++port)
        connect(banks_[port], &controls::TDBoolean::OnButtonClick, this,
                [this, port](int line) { DBooleanButtonClick(port, line); });
}

DioPage::~DioPage() = default;

void DioPage::buildControls() {
    auto* direction = new QGroupBox(tr("Port Direction:"), this);
    auto* directionRow = new QGridLayout(direction);
    Cmb_DioPort = new QComboBox(direction);
    Cmb_DioPort->setObjectName("Cmb_DioPort");
    RefillList(Cmb_DioPort, {tr("Port A"), tr("Port B"), tr("Port C")});
    AddField(directionRow, 0, 0, tr("DIO Port"), Cmb_DioPort);
    Btn_DioPortInput = NewKey(direction, "Btn_DioPortInput", tr("Input"), KeyRole::Plain);
    Btn_DioPortOutput = NewKey(direction, "Btn_DioPortOutput", tr("Output"), KeyRole::Plain);
    directionRow->addWidget(Btn_DioPortInput, 0, 2);
    directionRow->addWidget(Btn_DioPortOutput, 0, 3);
    directionRow->setColumnStretch(1, 1);

    auto* ports = new QGroupBox(tr("Ports"), this);
    auto* portGrid = new QGridLayout(ports);
    portGrid->setVerticalSpacing(14);
    DBooleanA = DBooleanB = DBooleanC = nullptr;
    for (int port = 0; port < kPortCount; ++port) {
        auto* bank = new controls::TDBoolean(ports);
        bank->setObjectName(kBankNames[port]);
        banks_[port] = bank;
        auto* state = new QLabel(ports);
        state->setObjectName(kStateNames[port]);
        state->setProperty("readout", true);
        state->setMinimumWidth(76);
        state->setAlignment(Qt::AlignCenter);
        states_[port] = state;
        AddField(portGrid, port, 0, tr(kBankLabels[port]), bank);
        portGrid->addWidget(state, port, 2);
        styleBank(port);
    }
    portGrid->setColumnStretch(1, 1);
    DBooleanA = banks_[0];
    DBooleanB = banks_[1];
    DBooleanC = banks_[2];

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(direction);
    page->addWidget(ports);
    page->addStretch();
    Label_DioReadout = NewReadout(this, "Label_DioReadout", tr("Poll off"));
    page->addWidget(Label_DioReadout);
}

void DioPage::pageShown() {
    for (int port = 0; port < kPortCount; ++port) {
        const Radezuvi_Handle task =
            PortTasks[port].create(lookOf(PortDirections[port]).operation, shownTarget_, 0);
        // A port that cannot be enabled drops its task; the others are still polled.
        if (task != 0 && Radezuvi_EnableSingleChannel(task, port) < 0)
            PortTasks[port].reset();
        showPortState(port);
    }
    Timer1->start();
    Label_DioReadout->setText(tr("Inputs polled every %1 ms").arg(kPollInterval));
}

void DioPage::pageHidden() {
    if (rules_.hideEndsTasks)
        endPortTasks();
}

void DioPage::endTasks() {
    endPortTasks();
}

void DioPage::endPortTasks() {
    Timer1->stop();
    Label_DioReadout->setText(tr("Poll off"));
    for (int port = 0; port < kPortCount; ++port) {
        PortTasks[port].reset();
        showPortState(port);
    }
}

void DioPage::Btn_DioPortInputClick() {
    changeDirection(Input);
}

void DioPage::Btn_DioPortOutputClick() {
    changeDirection(Output);
}

void DioPage::changeDirection(Direction direction) {
    const int port = Cmb_DioPort->currentIndex();
    if (port < 0 || port >= kPortCount || PortDirections[port] == direction)
        return;
    const std::int32_t openNow = direction == Output ? rules_.outputOpenNow : rules_.inputOpenNow;
    const Radezuvi_Handle task =
        PortTasks[port].create(lookOf(direction).operation, rules_.buttonTarget, openNow);
    // The bank changes its look only for a port task that was made and enabled.
    if (task == 0 || Radezuvi_EnableSingleChannel(task, port) < 0) {
        PortTasks[port].reset();
        showPortState(port);
        return;
    }
    PortDirections[port] = direction;
    styleBank(port);
    showPortState(port);
}

void DioPage::styleBank(int port) {
    const DirectionLook& look = lookOf(PortDirections[port]);
    controls::TDBoolean* bank = banks_[port];
    bank->SetStyle(look.style);
    bank->SetControlMode(look.controlMode);
    bank->SetTopColor(look.topColor);
}

void DioPage::showPortState(int port) {
    QLabel* state = states_[port];
    if (!PortTasks[port]) {
        state->setText(tr("no task"));
        state->setStyleSheet("color: #8d949c;");
        return;
    }
    state->setText(QString::asprintf("%s 0x%02X", lookOf(PortDirections[port]).tag, banks_[port]->Value()));
    state->setStyleSheet(PortDirections[port] == Output ? "color: #ff6b5e;" : "color: #74f28f;");
}

void DioPage::DBooleanButtonClick(int port, int line) {
    controls::TDBoolean* bank = banks_[port];
    const std::uint32_t pattern = bank->Value();
    const bool written = PortDirections[port] == Output && PortTasks[port] &&
                         Radezuvi_DO_WritePort(PortTasks[port].get(), pattern) >= 0;
    // The bank never shows a pattern the port did not take.
    if (!written)
        bank->SetValue(pattern ^ (1u << line));
    showPortState(port);
}

void DioPage::Timer1Timer() {
    for (int port = 0; port < kPortCount; ++port) {
        if (PortDirections[port] != Input || !PortTasks[port])
            continue;
        std::uint32_t value = 0;
        if (Radezuvi_DI_ReadPort(PortTasks[port].get(), &value) < 0)
            PortTasks[port].reset();
        else
            banks_[port]->SetValue(value);
        showPortState(port);
    }
}

} // namespace doz::testpanels
