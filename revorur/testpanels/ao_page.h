#pragma once
// The analog-output page: a DC value written to one channel, or the function generator on it.

#include "revorur/testpanels/panel_texts.h"
#include "revorur/testpanels/task_slot.h"
#include "revorur/testpanels/test_panel_page.h"

#include <QStringList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace doz::testpanels {

// What differs between the panels that show this page.
struct AoPageRules {
    QStringList fixedChannels; // the form's own items; empty: "AO%d" per channel, refilled when shown
    const char* frequencyMessage = kFrequencyOutOfRange;
    const char* negativeAmplitudeMessage = nullptr; // set: an amplitude below 0 is refused with it
    std::int32_t generatorOpenNow = 1;              // create flag of the generator task
};

class AoPage final : public TestPanelPage {
public:
    AoPage(int channelCount, TaskTarget target, AoPageRules rules, QWidget* parent);
    ~AoPage() override;

    void pageShown() override;
    void endTasks() override;

    void Cmb_AoModeChange();
    void Btn_AoStartClick();
    void Btn_AoStopClick();

    // The function generator runs (its settings are locked).
    bool generating() const { return generating_; }

    QComboBox* Cmb_AoChannel;
    QComboBox* Cmb_AoMode;
    QGroupBox* GroupBox_AoDc;
    QLineEdit* Edit_AoDcOut;
    QGroupBox* GroupBox_AoFuncGen;
    QComboBox* Cmb_AoFunc;
    QLineEdit* Edit_AoOffset;
    QLineEdit* Edit_AoFreq;
    QLineEdit* Edit_AoAmpl;
    QLineEdit* Edit_AoPhase;
    QLineEdit* Edit_AoDutyCycle;
    QPushButton* Btn_AoStart;
    QPushButton* Btn_AoStop;
    QLabel* Label_AoReadout;

    TaskSlot AoTask;

private:
    void buildControls();
    void writeDc();
    void stopDc();
    void startGenerator();
    void stopGenerator();
    const char* generatorProblem() const;
    void setGenerating(bool generating);
    void inform(const char* text);

    int channelCount_;
    TaskTarget target_;
    AoPageRules rules_;
    bool generating_ = false;
};

} // namespace doz::testpanels
