// A fresh folder under the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string_view>

namespace doz::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of an entry of the folder; nothing is created.
    std::filesystem::path file(const std::filesystem::path& relative) const { return path_ / relative; }
    // Writes the text to the file at the relative path, creating its folders; the file's path.
    std::filesystem::path write(const std::filesystem::path& relative, std::string_view text) const;

private:
    std::filesystem::path path_;
};

} // namespace doz::test
