// The two runs of the wizard: a new task saved to a suggested file, and an existing task file
// edited in place. Both return true exactly when a task file was written.
#pragma once

#include <QString>

namespace doz::taskwizard {

bool runNewTaskWizard(const QString& suggestedPath);
bool runEditTaskWizard(const QString& taskPath);

} // namespace doz::taskwizard
