#include "revorur/testpanels/generic_panel.h"

#include "revorur/testpanels/list_refill.h"

#include <QComboBox>

namespace doz::testpanels {

GenericPanel::GenericPanel(const catalogue::GenericCardCaps& caps, std::int16_t cardNumber,
                           GenericPanelRules rules, QWidget* parent)
    : TestPanelForm(parent, kClientSize), PanelCaps(caps), PanelCardNumber(cardNumber),
      tabsByCapability_(rules.tabsByCapability) {
    setObjectName(rules.formName);
    if (!rules.caption.isEmpty())
        setWindowTitle(rules.caption);
    const TaskTarget card{caps.typeCode, cardNumber};
    const TaskTarget bound = rules.boundDevice.value_or(card);
    rules.dio.buttonTarget = bound;
    TabSheet_Ai = new AiPage(caps.ai, bound, rules.ai, this);
    TabSheet_Ao = new AoPage(caps.aoChannelCount, bound, rules.ao, this);
    TabSheet_Dio = new DioPage(card, rules.dio, this);
    RefillList(TabSheet_Ai->Cmb_AiRefG, rules.referenceItems);
    addPage(TabSheet_Ai, tr("AI"));
    addPage(TabSheet_Ao, tr("AO"));
    addPage(TabSheet_Dio, tr("DIO"));
}

GenericPanel::~GenericPanel() = default;

void GenericPanel::opening() {
    if (!tabsByCapability_)
        return;
    setPageVisible(TabSheet_Ai, PanelCaps.ai.channelCount != 0);
    setPageVisible(TabSheet_Ao, PanelCaps.aoChannelCount != 0);
    setPageVisible(TabSheet_Dio, PanelCaps.dio.portCount > 0);
}

} // namespace doz::testpanels
