#pragma once
// TForm_TestPanel_VirDev: the test panel of the virtual device (type code 1), the simulated card
// the engine offers on every machine.

#include "revorur/testpanels/generic_panel.h"

namespace doz::testpanels {

inline constexpr TaskTarget kVirtualDevice{1, 0};

class TForm_TestPanel_VirDev final : public GenericPanel {
public:
    TForm_TestPanel_VirDev(const catalogue::GenericCardCaps& caps, std::int16_t cardNumber, QWidget* parent);
};

} // namespace doz::testpanels
