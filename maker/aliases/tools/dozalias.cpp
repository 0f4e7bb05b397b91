// dozalias: the alias store from the command line, as set-up scripts and users need it.
//   dozalias STORE list | get TYPE CARD | device ALIAS | check ALIAS
//   dozalias STORE add ALIAS TYPE CARD | add-if-missing ALIAS TYPE CARD | remove ALIAS
// Exit status 0 on success, 1 when the store refuses or holds nothing, 2 on a usage error.
#include "radezuvivarirare.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::optional<int32_t> number(const char* text) {
    const std::string_view view(text);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (view.empty() || error != std::errc() || end != view.data() + view.size())
        return std::nullopt;
    return value;
}

int usage() {
    std::fputs("usage: dozalias STORE list | get TYPE CARD | device ALIAS | check ALIAS\n"
               "       dozalias STORE add ALIAS TYPE CARD | add-if-missing ALIAS TYPE CARD | remove ALIAS\n",
               stderr);
    return 2;
}

int list(const char* store) {
    const int32_t size = AliasApiList(store, nullptr, 0);
    if (size <= 0)
        return 1;
    std::vector<char> names(static_cast<std::size_t>(size));
    if (AliasApiList(store, names.data(), size) != size)
        return 1;
    for (const char* name = names.data(); *name; name += std::strlen(name) + 1)
        std::printf("%s\n", name);
    return 0;
}

int add(const char* store, const char* alias, int32_t type, int32_t card, bool onlyWhenMissing) {
    char held[ALIAS_MAX_BYTES + 1];
    int32_t heldType = 0;
    int32_t heldCard = 0;
    if (onlyWhenMissing && (AliasApiGetAlias(store, type, card, held, sizeof held) != 0 ||
                            AliasApiGetDevice(store, alias, &heldType, &heldCard) != 0))
        return 0;
    const int32_t result = AliasApiAdd(store, alias, type, card);
    if (result != ALIAS_OK)
        std::fprintf(stderr, "dozalias: cannot store \"%s\" (%d)\n", alias, result);
    return result == ALIAS_OK ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return usage();
    const char* store = argv[1];
    const std::string_view command = argv[2];
    if (command == "list" && argc == 3)
        return list(store);
    if ((command == "add" || command == "add-if-missing") && argc == 6) {
        const auto type = number(argv[4]);
        const auto card = number(argv[5]);
        if (!type || !card)
            return usage();
        return add(store, argv[3], *type, *card, command == "add-if-missing");
    }
    if (command == "remove" && argc == 4)
        return AliasApiRemove(store, argv[3]) == ALIAS_OK ? 0 : 1;
    if (command == "get" && argc == 5) {
        const auto type = number(argv[3]);
        const auto card = number(argv[4]);
        if (!type || !card)
            return usage();
        char alias[ALIAS_MAX_BYTES + 1];
        if (AliasApiGetAlias(store, *type, *card, alias, sizeof alias) == 0)
            return 1;
        std::printf("%s\n", alias);
        return 0;
    }
    if (command == "device" && argc == 4) {
        int32_t type = 0;
        int32_t card = 0;
        if (AliasApiGetDevice(store, argv[3], &type, &card) == 0)
            return 1;
        std::printf("%d %d\n", type, card);
        return 0;
    }
    if (command == "check" && argc == 4) {
        const int32_t reason = AliasApiCheck(store, argv[3]);
        if (reason != 0)
            std::printf("refused (%d)\n", reason);
        return reason == 0 ? 0 : 1;
    }
    return usage();
}
