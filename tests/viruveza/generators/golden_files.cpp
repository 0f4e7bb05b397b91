#include "golden_files.h"

#include <algorithm>
#include <filesystem>

namespace doz::generators::testing {

std::vector<std::string> GoldenNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(GOLDEN_DIR))
        if (entry.path().extension() == ".json")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string GoldenRecordPath(const std::string& name) {
    return std::string(GOLDEN_DIR) + "/" + name + ".json";
}
std::string GoldenTextPath(const std::string& name) {
    return std::string(GOLDEN_DIR) + "/" + name + ".txt";
}

std::string TestNameOf(std::string name) {
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

} // namespace doz::generators::testing
