// Switches the engine to machine profiles of the test's own and back to the demo machine when
// the object ends, so no test leaves its cards to the next.
#pragma once

#include "tests/support/temp_folder.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace doz::test {

class ScopedMachineProfile {
public:
    ScopedMachineProfile() = default;
    // Uses the profile text at once; see result().
    explicit ScopedMachineProfile(std::string_view text);
    ~ScopedMachineProfile();
    ScopedMachineProfile(const ScopedMachineProfile&) = delete;
    ScopedMachineProfile& operator=(const ScopedMachineProfile&) = delete;

    // Writes the text to a file of the object's folder and makes it the engine's machine; the
    // engine's answer (the number of problem lines, or a negative code).
    std::int32_t use(std::string_view text);
    // Makes an existing profile file the engine's machine; the engine's answer.
    std::int32_t useFile(const std::filesystem::path& file);
    // The engine's answer to the last profile used.
    std::int32_t result() const { return result_; }
    const std::filesystem::path& file() const { return file_; }

    // The demo profile of the source tree, which the engine uses when nothing else is named.
    static std::filesystem::path demoProfile();

private:
    TempFolder folder_;
    std::filesystem::path file_;
    std::int32_t result_ = 0;
};

} // namespace doz::test
