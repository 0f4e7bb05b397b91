// The file name a task is saved under, from the name the user gives it.
#pragma once

#include <QString>

#include <optional>

namespace doz::taskwizard {

// "<name>.tsk" for a name a task folder can hold (a ".tsk" typed by the user is not doubled);
// nullopt for an empty name, "." or "..", or one holding a path separator, a character that
// file names cannot hold on the systems the suite runs on, or a control character.
std::optional<QString> taskFileName(const QString& name);

// The task name of a task file name: the name without its ".tsk".
QString taskNameOfFile(const QString& fileName);

} // namespace doz::taskwizard
