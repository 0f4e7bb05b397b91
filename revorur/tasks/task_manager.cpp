#include "revorur/tasks/task_manager.h"

#include "revorur/shell/main_form.h"

namespace doz::tasks {

TaskManager::TaskManager(shell::TForm1& form) : form_(form) {}

} // namespace doz::tasks
