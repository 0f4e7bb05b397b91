#include "tests/support/long_paths.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace doz::test {
namespace {

constexpr std::size_t MaxName = 200;
// Whole characters only: a name is this, cut at a character, then padded with 'x'.
constexpr std::string_view Awkward = "Zoë's \"Prüf\" stand \\ Messplätze ";

std::string nameOf(std::size_t bytes) {
    std::string name;
    for (const char c : Awkward) {
        if (name.size() + 2 > bytes)
            break;
        name += c;
    }
    // A cut between the two bytes of a letter would leave half of it.
    while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0xC0)
        name.pop_back();
    name.append(bytes - name.size(), 'x');
    return name;
}

} // namespace

std::filesystem::path AwkwardPath(const std::filesystem::path& root, std::size_t bytes,
                                  const std::filesystem::path& leaf) {
    const std::size_t fixed = root.string().size() + 1 + leaf.string().size();
    if (bytes < fixed)
        throw std::invalid_argument("no room for folders between root and leaf");
    std::filesystem::path path = root;
    // Each folder takes its name and one separator; the last one takes what is left.
    std::size_t left = bytes - fixed;
    while (left > 0) {
        std::size_t name = std::min(left - 1, MaxName);
        if (left - 1 - name == 1)
            --name; // one byte left over could not hold a separator and a name
        if (name == 0)
            throw std::invalid_argument("one byte cannot hold a folder");
        path /= nameOf(name);
        left -= name + 1;
    }
    return path / leaf;
}

} // namespace doz::test
