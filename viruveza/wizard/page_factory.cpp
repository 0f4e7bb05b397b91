#include "viruveza/wizard/page_factory.h"

#include "viruveza/wizard/wiz_plain_page.h"

namespace doz::wizard {

CWizParameterPage* createParameterPage(int index, CMainWizard& sheet) {
    return new CWizPlainPage(index, sheet);
}

} // namespace doz::wizard
