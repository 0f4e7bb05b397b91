#include "revorur/testpanels/form_test_panel.h"

namespace doz::testpanels {

namespace {

GenericPanelRules e400Rules() {
    GenericPanelRules rules{};
    rules.formName = "TForm_TestPanel";
    rules.tabsByCapability = true;
    rules.ai = AiPageRules{};
    rules.ao = AoPageRules{};
    rules.dio = DioPageRules{};
    return rules;
}

} // namespace

TForm_TestPanel::TForm_TestPanel(const catalogue::GenericCardCaps& caps, std::int16_t cardNumber,
                                 QWidget* parent)
    : GenericPanel(caps, cardNumber, e400Rules(), parent) {}

} // namespace doz::testpanels
