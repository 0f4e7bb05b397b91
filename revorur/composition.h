#pragma once
// The one place that composes Revorur: the main window, then each manager, which installs its
// tree builders, selection handlers and function actions on the window. Start-up
// (`form.FormCreate`) runs only after every manager is in place.

#include "revorur/devices/device_manager.h"
#include "revorur/shell/main_form.h"
#include "revorur/shell/shell_forms.h"
#include "revorur/software/software_manager.h"
#include "revorur/tasks/task_manager.h"

namespace doz::revorur {

struct RevorurWindow {
    shell::TForm1 form;
    devices::DeviceManager devices{form};
    tasks::TaskManager tasks{form};
    software::SoftwareManager software{form};
    shell::ShellForms shellForms{form};
};

} // namespace doz::revorur
