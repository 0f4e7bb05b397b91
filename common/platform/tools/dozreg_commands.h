#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace doz::platform {

// Runs one dozreg command (the words after the program name) against the registry hive:
//   set-if-missing KEY NAME VALUE   create KEY, write NAME only when it has no value yet
//   set KEY NAME VALUE              create KEY, write the string
//   set-dword KEY NAME N            create KEY, write the 32-bit number (decimal or 0x hex)
//   get KEY NAME                    print the value
//   delete-key KEY                  delete KEY and its subkeys
// KEY starts with HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER or HKEY_CLASSES_ROOT; NAME "" is the
// default value. Returns the exit code: 0 done, 1 failed (with a message on `err`).
int runDozreg(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace doz::platform
