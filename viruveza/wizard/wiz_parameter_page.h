#pragma once
// The Qt half of a parameter page: binds its controls to a ParameterPageModel, shows the
// model's messages through the dialogs seam, and on Finish hands the record to the sheet.

#include "viruveza/wizard/parameter_page_model.h"

#include <QWizardPage>

#include <memory>

namespace doz::wizard {

class CMainWizard;

class CWizParameterPage : public QWizardPage {
    Q_OBJECT
public:
    // `index` is the page's sheet position; its title comes from the page slots.
    CWizParameterPage(int index, CMainWizard& sheet, std::unique_ptr<ParameterPageModel> model);
    ~CWizParameterPage() override;

    ParameterPageModel& model() { return *model_; }
    const ParameterPageModel& model() const { return *model_; }
    CMainWizard& sheet() const { return sheet_; }

    // Back returns to the Code Generator page; Finish ends the sheet.
    int nextId() const override { return -1; }
    bool isComplete() const override { return true; }
    void initializePage() override;
    bool validatePage() override;

protected:
    // Shows the model's working values in the controls (after the page was entered).
    virtual void showModel() {}
    // Takes the controls' values into the model before the Finish checks.
    virtual void takeControls() {}

private:
    CMainWizard& sheet_;
    std::unique_ptr<ParameterPageModel> model_;
};

} // namespace doz::wizard
