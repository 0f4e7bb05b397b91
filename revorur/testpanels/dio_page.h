#pragma once
// The digital page: three 8-line ports, each an input (lamps that follow the port, polled every
// 300 ms) or an output (switches the user toggles, written at once).

#include "revorur/testpanels/task_slot.h"
#include "revorur/testpanels/test_panel_page.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace doz::controls {
class TDBoolean;
}

namespace doz::testpanels {

inline constexpr int kPortCount = 3;
inline constexpr int kPollInterval = 300; // ms

// What differs between the panels that show this page.
struct DioPageRules {
    TaskTarget buttonTarget;       // card of the tasks the Input and Output buttons create
    std::int32_t inputOpenNow = 0; // create flag of the Input button's port-read task
    std::int32_t outputOpenNow = 1;
    bool hideEndsTasks = true; // leaving the page ends the port tasks and the poll
};

class DioPage final : public TestPanelPage {
public:
    enum Direction { Input = 0, Output = 1 };

    // `shownTarget` is the card of the port tasks made when the page shows.
    DioPage(TaskTarget shownTarget, DioPageRules rules, QWidget* parent);
    ~DioPage() override;

    void pageShown() override;
    void pageHidden() override;
    void endTasks() override;

    void Btn_DioPortInputClick();
    void Btn_DioPortOutputClick();
    void DBooleanButtonClick(int port, int line);
    void Timer1Timer();

    QComboBox* Cmb_DioPort;
    QPushButton* Btn_DioPortInput;
    QPushButton* Btn_DioPortOutput;
    controls::TDBoolean* DBooleanA;
    controls::TDBoolean* DBooleanB;
    controls::TDBoolean* DBooleanC;
    QTimer* Timer1;
    QLabel* Label_DioReadout;

    std::array<TaskSlot, kPortCount> PortTasks;
    std::array<int, kPortCount> PortDirections{Input, Input, Input};

    controls::TDBoolean* bank(int port) const { return banks_[port]; }

private:
    void buildControls();
    void changeDirection(Direction direction);
    void styleBank(int port);
    void showPortState(int port);
    void endPortTasks();

    TaskTarget shownTarget_;
    DioPageRules rules_;
    std::array<controls::TDBoolean*, kPortCount> banks_{};
    std::array<QLabel*, kPortCount> states_{};
};

} // namespace doz::testpanels
