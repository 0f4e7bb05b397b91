#pragma once
// Runs a program to completion and collects its exit code and output (no shell involved).

#include <string>
#include <string_view>
#include <vector>

namespace doz::generators::testing {

struct ProcessResult {
    int exitCode = -1; // -1 when the program could not be started or did not exit normally
    std::string out;
    std::string err;
};

// `argv[0]` is looked up on PATH when it holds no slash; `input` is the program's standard input.
ProcessResult RunProcess(const std::vector<std::string>& argv, std::string_view input = {});

// A fresh directory under the system's temporary folder, removed with its contents at the end.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, std::string_view content);

} // namespace doz::generators::testing
