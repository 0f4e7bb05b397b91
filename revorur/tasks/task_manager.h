#pragma once
// The task manager: fills the task tree from the task folder, shows a task's properties and runs
// the task functions (new, modify, rename, delete, instant test panel, code generator).
// It plugs into the main window through the form's hooks and function actions.

namespace doz::shell {
class TForm1;
}

namespace doz::tasks {

class TaskManager {
public:
    explicit TaskManager(shell::TForm1& form);
    TaskManager(const TaskManager&) = delete;
    TaskManager& operator=(const TaskManager&) = delete;

private:
    shell::TForm1& form_;
};

} // namespace doz::tasks
