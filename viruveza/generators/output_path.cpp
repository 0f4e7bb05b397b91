#include "viruveza/generators/output_path.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace doz::generators {

std::filesystem::path WithTxtExtension(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name.find(".txt") != std::string::npos)
        return path;
    std::filesystem::path withExtension = path;
    withExtension += ".txt";
    return withExtension;
}

} // namespace doz::generators
