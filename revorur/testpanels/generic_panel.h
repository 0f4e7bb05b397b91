#pragma once
// The panel of the cards that offer analog input, analog output and three digital ports (the
// E400 series and the virtual device): an "AI", an "AO" and a "DIO" page. The panels built on it
// differ only in the data below.

#include "revorur/testpanels/ai_page.h"
#include "revorur/testpanels/ao_page.h"
#include "revorur/testpanels/dio_page.h"
#include "revorur/testpanels/test_panel_form.h"

#include "revorur/devices/catalogue/capabilities.h"

#include <QStringList>

#include <optional>

namespace doz::testpanels {

struct GenericPanelRules {
    const char* formName;
    QString caption;       // the form's own caption; empty: the opener sets it
    bool tabsByCapability; // the record decides which tabs show
    // The card of the AI and AO tasks and of the Input and Output buttons; unset: the panel's card.
    std::optional<TaskTarget> boundDevice;
    QStringList referenceItems; // the form's own reference items, replaced when the AI page shows
    AiPageRules ai;
    AoPageRules ao;
    DioPageRules dio; // its buttonTarget is filled from boundDevice or the panel's card
};

class GenericPanel : public TestPanelForm {
public:
    static constexpr QSize kClientSize{425, 568};

    GenericPanel(const catalogue::GenericCardCaps& caps, std::int16_t cardNumber, GenericPanelRules rules,
                 QWidget* parent);
    ~GenericPanel() override;

    const catalogue::GenericCardCaps PanelCaps;
    const std::int16_t PanelCardNumber;

    AiPage* TabSheet_Ai;
    AoPage* TabSheet_Ao;
    DioPage* TabSheet_Dio;

protected:
    void opening() override;

private:
    bool tabsByCapability_;
};

} // namespace doz::testpanels
