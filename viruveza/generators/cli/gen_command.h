#pragma once
// The command `ruzidavidez-gen RECORD.json -o OUT [--print-record]`.

#include <iosfwd>
#include <span>
#include <string>

namespace doz::generators {

inline constexpr int ExitWritten = 0;
inline constexpr int ExitBadInput = 1; // bad arguments or record, or an output that cannot be written
inline constexpr int ExitNothingGenerated = 2;

// Runs the command with its arguments (the program name left out); returns the exit code.
int RunGenCommand(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace doz::generators
