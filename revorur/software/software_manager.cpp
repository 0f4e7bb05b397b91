#include "revorur/software/software_manager.h"

#include "revorur/shell/main_form.h"

namespace doz::software {

SoftwareManager::SoftwareManager(shell::TForm1& form) : form_(form) {}

} // namespace doz::software
