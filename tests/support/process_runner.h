// Runs a program to completion and collects its exit code and output, with no shell involved.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace doz::test {

struct ProcessResult {
    int exitCode = -1; // -1 when the program could not be started or did not exit normally
    std::string out;
    std::string err;
};

// `argv[0]` is looked up on PATH when it holds no slash; `input` is the program's standard
// input. The program inherits the environment and runs in `workingFolder` when one is given.
ProcessResult RunProcess(const std::vector<std::string>& argv, std::string_view input = {},
                         const std::filesystem::path& workingFolder = {});

} // namespace doz::test
