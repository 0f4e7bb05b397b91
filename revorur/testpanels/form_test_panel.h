#pragma once
// TForm_TestPanel: the test panel of the E400 series (type codes 1510 to 1620).

#include "revorur/testpanels/generic_panel.h"

namespace doz::testpanels {

class TForm_TestPanel final : public GenericPanel {
public:
    TForm_TestPanel(const catalogue::GenericCardCaps& caps, std::int16_t cardNumber, QWidget* parent);
};

} // namespace doz::testpanels
