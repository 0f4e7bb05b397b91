#pragma once
// The page shown for a parameter position whose own page is not built yet: it sums up the
// choice of the Code Generator page and finishes with the card's default settings.

#include "viruveza/wizard/wiz_parameter_page.h"

class QLabel;

namespace doz::wizard {

class CWizPlainPage : public CWizParameterPage {
    Q_OBJECT
public:
    CWizPlainPage(int index, CMainWizard& sheet);

    QLabel* Lbl_CardLine;
    QLabel* Lbl_Card;
    QLabel* Lbl_Operation;
    QLabel* Lbl_OutputFile;
    QLabel* Lbl_Settings;

protected:
    void showModel() override;
};

} // namespace doz::wizard
