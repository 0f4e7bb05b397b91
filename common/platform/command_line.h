#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace doz::platform {

// Splits a Windows command line into its words as Windows programs receive them: blanks
// separate words, double quotes group blanks into a word, and backslashes count only before
// a double quote (2n backslashes and a quote give n backslashes; 2n+1 give n and a literal
// quote). "mmc.exe devmgmt.msc" -> {"mmc.exe", "devmgmt.msc"}.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

} // namespace doz::platform
