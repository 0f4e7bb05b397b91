// Shows the instant test panel of a task and returns when it is closed.
#pragma once

#include "maker/engine/radezuvi_engine.h"

#include <QString>

namespace doz::taskwizard {

inline constexpr int32_t kPanelShown = 0;
inline constexpr int32_t kPanelTaskNotOpen = -1;

// A handle of 0, or one naming no live task, gets the message "The task could not be opened."
// instead of the panel. The task is stopped before the call returns and is never ended.
int32_t showTestPanel(Radezuvi_Handle task, bool autoStart, const QString& caption);

} // namespace doz::taskwizard
