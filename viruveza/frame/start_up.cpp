#include "viruveza/frame/start_up.h"

#include "common/platform/number_text.h"

#include <climits>
#include <system_error>

namespace doz::frame {

std::filesystem::path startFolder(const std::filesystem::path& home) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error || folder.empty() || !std::filesystem::is_directory(folder, error))
        return home;
    return folder;
}

int cardLineFromArguments(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2)
        return 0;
    const long value = platform::leadingInteger(arguments[1]);
    return value < INT_MIN || value > INT_MAX ? 0 : static_cast<int>(value);
}

} // namespace doz::frame
