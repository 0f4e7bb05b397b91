// The alias store: any text reads as the aliases it can parse and writes back byte for byte;
// storing a legal name and removing it again keep that promise, and what is written reads back
// as the same aliases.

#include "alias_name.h"
#include "store_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using radezuvivarirare::StoreText;

bool sameAliases(const StoreText& a, const StoreText& b) {
    const auto x = a.aliases();
    const auto y = b.aliases();
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (x[i].name != y[i].name || !(x[i].card == y[i].card))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks the card and the name length of the edit; the rest is the store.
    if (size < 1)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    StoreText store = StoreText::parse(text);
    if (store.serialize() != text)
        std::abort(); // lines are kept as they stand

    const std::string name = "Bench " + std::to_string(data[0] % 7);
    const radezuvivarirare::Card card{10 * (1 + data[0] % 160), data[0] % 4};
    if (radezuvivarirare::nameProblem(name) != 0 || store.findName(name))
        return 0;
    store.setAlias(name, card);
    const auto stored = store.findName(name);
    if (!stored || !(stored->card == card))
        std::abort();
    const StoreText reread = StoreText::parse(store.serialize());
    if (!sameAliases(store, reread))
        std::abort();

    StoreText removed = reread;
    if (!removed.removeName(name) || removed.findName(name))
        std::abort();
    return 0;
}
