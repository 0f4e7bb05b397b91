#include "common/platform/reg_path.h"

#include "common/platform/utf8.h"

#include <algorithm>
#include <array>

namespace doz::platform {
namespace {

struct RootName {
    RootKey root;
    std::string_view name;
};

constexpr std::array kRootNames{
    RootName{RootKey::LocalMachine, "HKEY_LOCAL_MACHINE"},
    RootName{RootKey::CurrentUser, "HKEY_CURRENT_USER"},
    RootName{RootKey::ClassesRoot, "HKEY_CLASSES_ROOT"},
};

char foldChar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string_view rootKeyName(RootKey root) {
    const auto found = std::find_if(kRootNames.begin(), kRootNames.end(),
                                    [root](const RootName& entry) { return entry.root == root; });
    return found->name;
}

bool isValidKeyName(std::string_view name) {
    const bool hasForbidden = std::any_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '\\' || byte < 0x20 || byte == 0x7F;
    });
    return !name.empty() && !hasForbidden && isValidUtf8(name);
}

std::optional<KeyPath> splitKeyPath(RootKey root, std::string_view path) {
    KeyPath key{root, {}};
    while (!path.empty()) {
        const std::size_t end = std::min(path.find('\\'), path.size());
        const std::string_view part = path.substr(0, end);
        path.remove_prefix(std::min(end + 1, path.size()));
        if (part.empty())
            continue;
        if (!isValidKeyName(part))
            return std::nullopt;
        key.names.emplace_back(part);
    }
    return key;
}

std::optional<KeyPath> parseFullKeyName(std::string_view fullName) {
    const std::size_t end = std::min(fullName.find('\\'), fullName.size());
    const std::string_view rootName = fullName.substr(0, end);
    const auto found = std::find_if(kRootNames.begin(), kRootNames.end(), [rootName](const RootName& entry) {
        return sameName(entry.name, rootName);
    });
    if (found == kRootNames.end())
        return std::nullopt;
    return splitKeyPath(found->root, fullName.substr(end));
}

std::string fullKeyName(const KeyPath& key) {
    std::string name(rootKeyName(key.root));
    for (const std::string& part : key.names) {
        name += '\\';
        name += part;
    }
    return name;
}

std::string foldName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), foldChar);
    return folded;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return foldChar(x) == foldChar(y); });
}

bool nameLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldChar(x)) < static_cast<unsigned char>(foldChar(y));
    });
}

} // namespace doz::platform
