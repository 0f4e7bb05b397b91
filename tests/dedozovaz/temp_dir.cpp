#include "temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace dedozovaz::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "dedozovaz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::write(const std::filesystem::path& relative, std::string_view text) const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

} // namespace dedozovaz::test
