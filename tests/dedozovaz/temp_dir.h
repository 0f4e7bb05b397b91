// A fresh directory under the system's temporary folder, removed with everything in it.
#pragma once

#include <filesystem>
#include <string_view>

namespace dedozovaz::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes text to the file at the relative path, creating its folders.
    std::filesystem::path write(const std::filesystem::path& relative, std::string_view text) const;

private:
    std::filesystem::path path_;
};

} // namespace dedozovaz::test
