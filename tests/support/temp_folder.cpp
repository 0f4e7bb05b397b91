#include "tests/support/temp_folder.h"

#include "tests/support/files.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace doz::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "doz-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::write(const std::filesystem::path& relative, std::string_view text) const {
    const std::filesystem::path target = file(relative);
    std::filesystem::create_directories(target.parent_path());
    WriteFile(target, text);
    return target;
}

} // namespace doz::test
