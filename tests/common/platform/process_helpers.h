#pragma once

#include "common/platform/file_io.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace doz::platform::test {

// Writes an executable shell script.
inline void writeScript(const std::filesystem::path& file, const std::string& body) {
    writeFileAtomically(file, "#!/bin/sh\n" + body);
    ::chmod(file.c_str(), 0755);
}

// Waits for a file written by another process; nullopt when it never comes. The limit only
// keeps a broken test from hanging; nothing is measured.
inline std::optional<std::string> awaitFile(const std::filesystem::path& file) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (auto text = readWholeFile(file); text && !text->empty() && text->back() == '\n')
            return text;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

} // namespace doz::platform::test
