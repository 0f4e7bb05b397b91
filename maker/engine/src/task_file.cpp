#include "task_file.h"

#include "common/platform/file_io.h"

#include "operation_table.h"
#include "property_table.h"
#include "radezuvi_engine.h"
#include "text_numbers.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>
#include <vector>

namespace radezuvi {

namespace {

constexpr std::string_view kMagic = "radezuvi-task";
constexpr long long kMaxCardNumber = 32767;
constexpr long long kMaxChannel = 65535;

std::vector<std::string_view> splitBlanks(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t') {
            ++end;
        }
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

bool isBinary(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\n' && c != '\r' && c != '\t') {
            return true;
        }
    }
    return false;
}

// Backslash, CR and LF are written \\, \r and \n; every other control character as \xHH, so a
// description never makes its file unreadable.
std::string escape(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The reverse of escape; a backslash that starts no escape stands for itself.
std::string unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] != '\\') {
            out += text[i];
        } else if (next == 'n' || next == 'r' || next == '\\') {
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
            ++i;
        } else if (next == 'x' && i + 3 < text.size() && hexDigit(text[i + 2]) >= 0 &&
                   hexDigit(text[i + 3]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 2]) * 16 + hexDigit(text[i + 3]));
            i += 3;
        } else {
            out += '\\';
        }
    }
    return out;
}

std::string formatNumber(double value) {
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("0");
}

// Reads the lines after the version line; every rule broken makes the whole file unreadable.
class TaskFileParser {
public:
    bool line(std::string_view text) {
        if (ended_) {
            return false; // only blank and comment lines may follow "end"
        }
        const std::size_t split = text.find_first_of(" \t");
        const std::string_view key = text.substr(0, split);
        const std::string_view rest =
            split == std::string_view::npos ? std::string_view() : text.substr(split + 1);
        if (key == "description") {
            return once("description") &&
                   (definition_.description = truncatedDescription(unescape(rest)), true);
        }
        const auto words = splitBlanks(rest);
        if (key == "operation") {
            return once(key) && operation(words);
        }
        if (key == "device") {
            return once(key) && device(words);
        }
        if (key == "channels") {
            return once(key) && channels(words);
        }
        if (key == "property") {
            return property(words);
        }
        if (key == "channel-property") {
            return channelProperty(words);
        }
        if (key == "end" && words.empty()) {
            ended_ = true;
            return true;
        }
        return false;
    }

    std::optional<TaskDefinition> finish() {
        if (!ended_ || !seen_.contains("operation") || !seen_.contains("device")) {
            return std::nullopt;
        }
        return std::move(definition_);
    }

private:
    bool once(std::string_view key) { return seen_.insert(std::string(key)).second; }

    bool operation(const std::vector<std::string_view>& words) {
        const auto code = words.size() == 1 ? parseInteger(words[0]) : std::nullopt;
        if (!code || !findOperation(static_cast<int>(*code)) || *code != static_cast<int>(*code)) {
            return false;
        }
        definition_.operation = static_cast<int>(*code);
        return true;
    }

    bool device(const std::vector<std::string_view>& words) {
        const auto type = words.size() == 2 ? parseInteger(words[0]) : std::nullopt;
        const auto card = words.size() == 2 ? parseInteger(words[1]) : std::nullopt;
        if (!type || !card || *type < 0 || *type > INT32_MAX || *card < 0 || *card > kMaxCardNumber) {
            return false;
        }
        definition_.typeCode = static_cast<int>(*type);
        definition_.cardNumber = static_cast<int>(*card);
        return true;
    }

    bool channels(const std::vector<std::string_view>& words) {
        std::set<long long> seen;
        for (const auto word : words) {
            const auto channel = parseInteger(word);
            if (!channel || *channel < 0 || *channel > kMaxChannel || !seen.insert(*channel).second) {
                return false;
            }
            definition_.channels.push_back(static_cast<std::uint16_t>(*channel));
        }
        return true;
    }

    bool property(const std::vector<std::string_view>& words) {
        const auto id = words.size() == 2 ? parseInteger(words[0]) : std::nullopt;
        const auto value = words.size() == 2 ? parseNumber(words[1]) : std::nullopt;
        const PropertyRule* rule = id ? findProperty(PropertyScope::Task, static_cast<int>(*id)) : nullptr;
        if (!rule || !value || !acceptsValue(*rule, *value)) {
            return false;
        }
        return definition_.properties.emplace(rule->id, *value).second;
    }

    bool channelProperty(const std::vector<std::string_view>& words) {
        const auto channel = words.size() == 3 ? parseInteger(words[0]) : std::nullopt;
        const auto id = words.size() == 3 ? parseInteger(words[1]) : std::nullopt;
        const auto value = words.size() == 3 ? parseNumber(words[2]) : std::nullopt;
        const PropertyRule* rule = id ? findProperty(PropertyScope::Channel, static_cast<int>(*id)) : nullptr;
        if (!channel || *channel < 0 || *channel > kMaxChannel || !rule ||
            rule->id == RADEZUVI_CHPROP_ENABLED || !value || !acceptsValue(*rule, *value)) {
            return false;
        }
        return definition_.channelProperties.emplace(std::pair{static_cast<int>(*channel), rule->id}, *value)
            .second;
    }

    TaskDefinition definition_;
    std::set<std::string, std::less<>> seen_;
    bool ended_ = false;
};

} // namespace

std::optional<TaskDefinition> parseTaskFile(std::string_view text) {
    if (text.size() > kMaxTaskFileBytes || isBinary(text)) {
        return std::nullopt;
    }
    bool versionSeen = false;
    TaskFileParser parser;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') {
            continue;
        }
        line.remove_prefix(first);
        if (!versionSeen) {
            const auto words = splitBlanks(line);
            if (words.size() != 2 || words[0] != kMagic || parseInteger(words[1]) != kTaskFileVersion) {
                return std::nullopt;
            }
            versionSeen = true;
        } else if (!parser.line(line)) {
            return std::nullopt;
        }
    }
    return parser.finish();
}

std::optional<TaskDefinition> readTaskFile(const std::filesystem::path& path) {
    // Only plain files: a pipe or a device could block the reader or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    // One byte more than allowed tells an oversized file without reading all of it.
    std::string text(kMaxTaskFileBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    return parseTaskFile(text);
}

std::string formatTaskFile(const TaskDefinition& definition) {
    std::ostringstream out;
    // A stream turns a failed allocation into a quiet short write; rethrown, the failure cannot
    // become a cut task file saved as a whole one.
    out.exceptions(std::ios::badbit);
    out << "# Radezuvi task\n" << kMagic << ' ' << kTaskFileVersion << '\n';
    std::array<char, 16> code{};
    std::snprintf(code.data(), code.size(), "0x%X", static_cast<unsigned>(definition.operation));
    out << "operation " << code.data() << '\n';
    out << "device " << definition.typeCode << ' ' << definition.cardNumber << '\n';
    out << "description " << escape(definition.description) << '\n';
    out << "channels";
    for (const auto channel : definition.channels) {
        out << ' ' << channel;
    }
    out << '\n';
    for (const auto& [id, value] : definition.properties) {
        out << "property " << id << ' ' << formatNumber(value) << '\n';
    }
    for (const auto& [key, value] : definition.channelProperties) {
        out << "channel-property " << key.first << ' ' << key.second << ' ' << formatNumber(value) << '\n';
    }
    out << "end\n";
    return out.str();
}

bool writeTaskFile(const std::filesystem::path& path, const TaskDefinition& definition) {
    return doz::platform::writeFileAtomically(path, formatTaskFile(definition));
}

} // namespace radezuvi
