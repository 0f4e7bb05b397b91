#pragma once
// Which page class fills each parameter position of the sheet. A page that is built joins
// by its line in page_factory.cpp; positions without one get the plain page.

namespace doz::wizard {

class CMainWizard;
class CWizParameterPage;

// The page for a sheet position 1 to 6, owned by the caller (the sheet).
CWizParameterPage* createParameterPage(int index, CMainWizard& sheet);

} // namespace doz::wizard
