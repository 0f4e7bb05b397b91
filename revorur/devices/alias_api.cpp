#include "revorur/devices/alias_api.h"

#include "revorur/devices/catalogue/subtype_groups.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace doz::devices {
namespace {

constexpr const char* kLibraryName = "libradezuvivarirare.so";

// The library beside the program (bin/../lib/), else wherever the loader finds it by name.
void* openLibrary() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const auto beside = program.parent_path().parent_path() / "lib" / kLibraryName;
        if (void* handle = ::dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
    }
    return ::dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
}

template <typename Function> void bind(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
}

AliasApi loadAliasApi() {
    void* library = openLibrary();
    if (!library)
        return {};
    AliasApi api;
    bind(library, "AliasApiList", api.List);
    bind(library, "AliasApiAdd", api.Add);
    bind(library, "AliasApiRemove", api.Remove);
    bind(library, "AliasApiGetAlias", api.GetAlias);
    bind(library, "AliasApiGetDevice", api.GetDevice);
    bind(library, "AliasApiCheck", api.Check);
    // A library that lacks a call is not used at all; it stays loaded for the process.
    return api.loaded() ? api : AliasApi{};
}

struct CardAlias {
    int code;
    std::string alias;
};

void putBack(const AliasApi& api, const std::string& store, const std::vector<CardAlias>& aliases,
             int cardNumber) {
    for (const CardAlias& old : aliases)
        api.Add(store.c_str(), old.alias.c_str(), old.code, cardNumber);
}

} // namespace

bool AliasApi::loaded() const {
    return List && Add && Remove && GetAlias && GetDevice && Check;
}

const AliasApi& LoadedAliasApi() {
    static const AliasApi api = loadAliasApi();
    return api;
}

std::optional<std::string> AliasOf(const AliasApi& api, const std::string& store, int typeCode,
                                   int cardNumber) {
    if (!api.loaded())
        return std::nullopt;
    char buffer[AliasMaxBytes + 1] = {};
    if (api.GetAlias(store.c_str(), typeCode, cardNumber, buffer, sizeof buffer) == 0)
        return std::nullopt;
    buffer[AliasMaxBytes] = '\0';
    if (buffer[0] == '\0')
        return std::nullopt;
    return std::string(buffer);
}

std::vector<std::string> AllAliases(const AliasApi& api, const std::string& store) {
    if (!api.loaded())
        return {};
    // The store may grow between asking for the size and filling the list: ask again then.
    std::int32_t size = api.List(store.c_str(), nullptr, 0);
    for (int attempt = 0; attempt < 3 && size > 0; ++attempt) {
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
        const std::int32_t needed = api.List(store.c_str(), buffer.data(), size);
        if (needed > size) {
            size = needed;
            continue;
        }
        std::vector<std::string> names;
        for (std::size_t at = 0; at < buffer.size() && buffer[at] != '\0';) {
            const auto end = std::find(buffer.begin() + static_cast<std::ptrdiff_t>(at), buffer.end(), '\0');
            names.emplace_back(buffer.begin() + static_cast<std::ptrdiff_t>(at), end);
            at = static_cast<std::size_t>(end - buffer.begin()) + 1;
        }
        return names;
    }
    return {};
}

std::optional<AliasDevice> DeviceOfAlias(const AliasApi& api, const std::string& store,
                                         const std::string& alias) {
    if (!api.loaded())
        return std::nullopt;
    std::int32_t typeCode = 0;
    std::int32_t cardNumber = 0;
    if (api.GetDevice(store.c_str(), alias.c_str(), &typeCode, &cardNumber) == 0)
        return std::nullopt;
    return AliasDevice{typeCode, cardNumber};
}

std::optional<FoundAlias> FindCardAlias(const AliasApi& api, const std::string& store, int typeCode,
                                        int cardNumber) {
    const catalogue::SubTypeGroup* group = catalogue::SubTypeGroupOf(typeCode);
    if (!group || group->aliasOrder.empty()) {
        if (auto alias = AliasOf(api, store, typeCode, cardNumber))
            return FoundAlias{std::move(*alias), typeCode};
        return std::nullopt;
    }
    const auto order = group->aliasOrder;
    const auto start =
        std::find_if(order.begin(), order.end(),
                     [typeCode](const catalogue::SubTypeItem& item) { return item.code == typeCode; });
    const std::size_t first = start == order.end() ? 0 : static_cast<std::size_t>(start - order.begin());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const int code = order[(first + k) % order.size()].code;
        if (auto alias = AliasOf(api, store, code, cardNumber))
            return FoundAlias{std::move(*alias), code};
    }
    return std::nullopt;
}

void DeleteCardAlias(const AliasApi& api, const std::string& store, int typeCode, int cardNumber) {
    const catalogue::SubTypeGroup* group = catalogue::SubTypeGroupOf(typeCode);
    const int start = group && !group->aliasOrder.empty() ? group->aliasOrder.front().code : typeCode;
    if (const auto found = FindCardAlias(api, store, start, cardNumber))
        api.Remove(store.c_str(), found->alias.c_str());
}

std::vector<int> AliasCodesOfCard(int typeCode) {
    const catalogue::SubTypeGroup* group = catalogue::SubTypeGroupOf(typeCode);
    if (!group || group->aliasDialog.empty())
        return {typeCode};
    std::vector<int> codes;
    for (const catalogue::SubTypeItem& item : group->aliasDialog)
        codes.push_back(item.code);
    return codes;
}

AliasChange ReplaceCardAlias(const AliasApi& api, const std::string& store, std::span<const int> codes,
                             int cardNumber, const std::string& alias, int storeCode) {
    if (!api.loaded())
        return AliasChange::Failed;
    std::vector<CardAlias> removed;
    for (const int code : codes) {
        const auto old = AliasOf(api, store, code, cardNumber);
        if (!old)
            continue;
        if (api.Remove(store.c_str(), old->c_str()) != 0) {
            putBack(api, store, removed, cardNumber);
            return AliasChange::Failed;
        }
        removed.push_back({code, *old});
    }
    if (alias.empty())
        return AliasChange::Removed;
    if (api.Check(store.c_str(), alias.c_str()) != 0) {
        putBack(api, store, removed, cardNumber);
        return AliasChange::Rejected;
    }
    if (api.Add(store.c_str(), alias.c_str(), storeCode, cardNumber) != 0) {
        putBack(api, store, removed, cardNumber);
        return AliasChange::Failed;
    }
    return AliasChange::Stored;
}

} // namespace doz::devices
