#include "common/platform/tools/dozreg_commands.h"

#include "common/platform/reg_path.h"
#include "common/platform/registry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <optional>
#include <string_view>

namespace doz::platform {
namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;

constexpr std::string_view kUsage =
    "usage: dozreg set-if-missing KEY NAME VALUE\n"
    "       dozreg set KEY NAME VALUE\n"
    "       dozreg set-dword KEY NAME N\n"
    "       dozreg get KEY NAME\n"
    "       dozreg delete-key KEY\n"
    "KEY starts with HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER or HKEY_CLASSES_ROOT;\n"
    "NAME \"\" is the default value.\n";

// One command's context: its words after the command name and where it reports.
struct Invocation {
    const std::vector<std::string>& words;
    std::ostream& out;
    std::ostream& err;

    int fail(std::string_view message) const {
        err << "dozreg: " << message << '\n';
        return kFailed;
    }
};

// The registry key named by a full key name, split into root and path.
struct KeyName {
    RootKey root;
    std::string path;
};

std::optional<KeyName> parseKey(std::string_view fullName) {
    const auto key = parseFullKeyName(fullName);
    if (!key)
        return std::nullopt;
    KeyName name{key->root, {}};
    for (const std::string& part : key->names)
        name.path += (name.path.empty() ? "" : "\\") + part;
    return name;
}

std::optional<std::uint32_t> parseDword(std::string_view text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string_view digits = hex ? text.substr(2) : text;
    std::uint32_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    if (digits.empty() || result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::string badKey(std::string_view key) {
    return "not a registry key: \"" + std::string(key) +
           "\" (it must start with HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER or HKEY_CLASSES_ROOT)";
}

std::string cannotWrite() {
    return "cannot write the registry hive " + registryFile().string();
}

// Opens (creating) the key of the first word and hands it to `write`.
int withCreatedKey(const Invocation& call, const std::function<int(RegistryKey&)>& write) {
    const auto name = parseKey(call.words[0]);
    if (!name)
        return call.fail(badKey(call.words[0]));
    auto key = createKey(name->root, name->path);
    if (!key)
        return call.fail(cannotWrite());
    return write(*key);
}

int writeString(const Invocation& call, RegistryKey& key) {
    if (!key.writeString(call.words[1], call.words[2]))
        return call.fail(cannotWrite() + " (or the text is not UTF-8)");
    return kDone;
}

int setIfMissing(const Invocation& call) {
    return withCreatedKey(call, [&](RegistryKey& key) {
        const bool present = key.readString(call.words[1]) || key.readDword(call.words[1]);
        return present ? kDone : writeString(call, key);
    });
}

int set(const Invocation& call) {
    return withCreatedKey(call, [&](RegistryKey& key) { return writeString(call, key); });
}

int setDword(const Invocation& call) {
    const auto value = parseDword(call.words[2]);
    if (!value)
        return call.fail("not a 32-bit number: \"" + call.words[2] + "\"");
    return withCreatedKey(call, [&](RegistryKey& key) {
        return key.writeDword(call.words[1], *value) ? kDone : call.fail(cannotWrite());
    });
}

int get(const Invocation& call) {
    const auto name = parseKey(call.words[0]);
    if (!name)
        return call.fail(badKey(call.words[0]));
    const auto key = openKey(name->root, name->path);
    if (!key)
        return call.fail("no such key: " + call.words[0]);
    if (const auto text = key->readString(call.words[1])) {
        call.out << *text << '\n';
    } else if (const auto number = key->readDword(call.words[1])) {
        call.out << *number << '\n';
    } else {
        return call.fail("no value \"" + call.words[1] + "\" in " + call.words[0]);
    }
    return kDone;
}

int deleteKeyCommand(const Invocation& call) {
    const auto name = parseKey(call.words[0]);
    if (!name)
        return call.fail(badKey(call.words[0]));
    if (!openKey(name->root, name->path))
        return call.fail("no such key: " + call.words[0]);
    if (name->path.empty())
        return call.fail("a root key cannot be deleted");
    return deleteKey(name->root, name->path) ? kDone : call.fail(cannotWrite());
}

struct Command {
    std::string_view name;
    std::size_t wordCount;
    int (*run)(const Invocation&);
};

constexpr std::array kCommands{
    Command{"set-if-missing", 3, setIfMissing}, Command{"set", 3, set},
    Command{"set-dword", 3, setDword},          Command{"get", 2, get},
    Command{"delete-key", 1, deleteKeyCommand},
};

} // namespace

int runDozreg(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto command = arguments.empty()
                             ? kCommands.end()
                             : std::find_if(kCommands.begin(), kCommands.end(),
                                            [&](const Command& c) { return c.name == arguments[0]; });
    if (command == kCommands.end() || arguments.size() != command->wordCount + 1) {
        err << kUsage;
        return kFailed;
    }
    const std::vector<std::string> words(arguments.begin() + 1, arguments.end());
    return command->run(Invocation{words, out, err});
}

} // namespace doz::platform
