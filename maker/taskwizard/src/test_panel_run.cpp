#include "maker/taskwizard/src/test_panel_run.h"

#include "maker/taskwizard/src/test_panel_dialog.h"

#include "common/ui/dialogs.h"

namespace doz::taskwizard {

int32_t showTestPanel(Radezuvi_Handle task, bool autoStart, const QString& caption) {
    const QString title = caption.isEmpty() ? QStringLiteral("Instant Test Panel") : caption;
    if (task == 0 || Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_OPERATION) < 0) {
        ui::dialogs().information(nullptr, title, QStringLiteral("The task could not be opened."));
        return kPanelTaskNotOpen;
    }
    TestPanelDialog panel(task, title);
    if (autoStart) {
        panel.Button_StartClick();
    }
    ui::dialogs().runModal(&panel);
    panel.Button_StopClick();
    return kPanelShown;
}

} // namespace doz::taskwizard
