#pragma once
// What Ruzidavidez reads when it starts: its start folder and the card line of the command line.

#include <filesystem>
#include <string>
#include <vector>

namespace doz::frame {

// The current folder of the process; `home` when it cannot be read.
std::filesystem::path startFolder(const std::filesystem::path& home);

// The first argument after the program name, read as a decimal number (text without a number
// reads 0); 0 without arguments.
int cardLineFromArguments(const std::vector<std::string>& arguments);

} // namespace doz::frame
