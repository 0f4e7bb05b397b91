#pragma once
// The analog-input page: continuous acquisition drawn on a graph, or one value of each channel
// listed, on a card of the capability record's analog part.

#include "revorur/testpanels/analog_relay.h"
#include "revorur/testpanels/task_slot.h"
#include "revorur/testpanels/test_panel_page.h"

#include "revorur/devices/catalogue/capabilities.h"

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace doz::controls {
class TAdvGraph;
}

namespace doz::testpanels {

// When a single-value read lists half the channels.
enum class SingleValueHalving {
    DifferentialOfSeveral, // the record lists several reference modes and 301 is selected
    Differential,          // 301 is selected
    FirstReference,        // the first reference item is selected
};

// What differs between the panels that show this page.
struct AiPageRules {
    bool referenceHalvesChannels = true; // the reference list refills the channel list
    int singleValueChannels = 0;         // channels of a single-value read; 0: the record's count
    SingleValueHalving singleValueHalving = SingleValueHalving::DifferentialOfSeveral;
    bool enableByProperty = true;  // single value enables channels by property 50, else one by one
    bool blockSizeProperty = true; // continuous acquisition sets property 105 to a tenth of the rate
};

class AiPage final : public TestPanelPage {
public:
    AiPage(const catalogue::AiCapability& caps, TaskTarget target, AiPageRules rules, QWidget* parent);
    ~AiPage() override;

    void pageShown() override;
    void endTasks() override;

    void Cmb_AiModeChange();
    void Cmb_AiRefGChange();
    void Btn_AiStartClick();
    void Btn_AiStopClick();

    // A continuous acquisition runs (the settings are locked).
    bool acquiring() const { return acquiring_; }

    QComboBox* Cmb_AiMode;
    QComboBox* Cmb_AiChannel;
    QComboBox* Cmb_AiRefG;
    QComboBox* Cmb_AiRange;
    QLineEdit* Edit_AiSampRate;
    QPushButton* Btn_AiStart;
    QPushButton* Btn_AiStop;
    QStackedWidget* Notebook_00;
    controls::TAdvGraph* AdvGraph1;
    QTreeWidget* ListView1;
    QLabel* Label_AiReadout;

private:
    // Declared before the task: the task ends (and its last callback returns) first.
    std::unique_ptr<AnalogRelay> relay_;

public:
    TaskSlot AiTask;

private:
    void buildControls();
    void refillLists();
    void refillChannels(int count, int selected);
    void showMode();
    void startContinuous();
    void readSingleValues();
    int singleValueChannelCount() const;
    void setAcquiring(bool acquiring);
    void endAcquisition();
    void showSummary(const AnalogBlockSummary& summary);
    void inform(const char* text);

    catalogue::AiCapability caps_;
    TaskTarget target_;
    AiPageRules rules_;
    bool acquiring_ = false;
    long rate_ = 0;
};

} // namespace doz::testpanels
