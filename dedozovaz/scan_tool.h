// dedozovaz-scan: prints the cards the library finds, or the identification IDs in use.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace dedozovaz {

// Runs the tool with its arguments (program name excluded); returns the exit code.
int runScanTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace dedozovaz
