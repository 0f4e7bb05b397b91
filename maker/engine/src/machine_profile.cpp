#include "machine_profile.h"

#include "device_table.h"
#include "line_tokens.h"
#include "text_numbers.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>

namespace radezuvi {

namespace {

constexpr std::size_t kMaxProfileBytes = 1024 * 1024;
constexpr long long kMaxCardNumber = 32767;

using Words = std::vector<std::string>;

struct FaultName {
    std::string_view name;
    FaultKind kind;
    bool takesValue;
};

constexpr FaultName kFaultNames[] = {
    {"create-fails", FaultKind::CreateFails, false},
    {"start-fails", FaultKind::StartFails, false},
    {"stop-fails", FaultKind::StopFails, false},
    {"enable-fails", FaultKind::EnableFails, false},
    {"read-fails", FaultKind::ReadFails, false},
    {"write-returns", FaultKind::WriteReturns, true},
    {"property-refused", FaultKind::PropertyRefused, true},
};

class ProfileParser {
public:
    ProfileParser(const std::string& source, std::ostream& report) : source_(source), report_(report) {
        profile_.cards.push_back({*entryIndexOfName("Virtual Device"), 0});
    }

    void parseLine(std::string_view line, int lineNumber) {
        const auto words = splitWords(line);
        std::string problem;
        if (!words) {
            problem = "quote not closed";
        } else if (!words->empty()) {
            problem = dispatch(*words);
        }
        if (!problem.empty()) {
            report_ << source_ << ':' << lineNumber << ": " << problem << '\n';
            ++profile_.problems;
        }
    }

    void reportFile(const std::string& problem) {
        report_ << source_ << ": " << problem << '\n';
        ++profile_.problems;
    }

    MachineProfile take() { return std::move(profile_); }

private:
    using Directive = std::string (ProfileParser::*)(const Words&);

    std::string dispatch(const Words& words) {
        static constexpr std::pair<std::string_view, Directive> kDirectives[] = {
            {"card", &ProfileParser::card},
            {"fault", &ProfileParser::fault},
            {"input", &ProfileParser::input},
            {"no-loopback", &ProfileParser::noLoopback},
        };
        for (const auto& [name, handler] : kDirectives) {
            if (words[0] == name) {
                return (this->*handler)(words);
            }
        }
        return "unknown directive \"" + words[0] + "\"";
    }

    // card DEVICE NUMBER...
    std::string card(const Words& words) {
        if (words.size() < 3) {
            return "card needs a device name and at least one card number";
        }
        const auto entry = entryIndexOfName(words[1]);
        if (!entry) {
            return "unknown device \"" + words[1] + "\"";
        }
        std::vector<int> numbers;
        for (std::size_t i = 2; i < words.size(); ++i) {
            const auto number = parseInteger(words[i]);
            if (!number || *number < 0 || *number > kMaxCardNumber) {
                return "card number \"" + words[i] + "\" is not 0 to 32767";
            }
            if (findCard(*entry, static_cast<int>(*number)) ||
                std::count(numbers.begin(), numbers.end(), *number) > 0) {
                return words[1] + " " + words[i] + " is installed already";
            }
            numbers.push_back(static_cast<int>(*number));
        }
        for (const int number : numbers) {
            profile_.cards.push_back({*entry, number});
        }
        return {};
    }

    // fault DEVICE NUMBER KIND [VALUE] [op CODE] [port N]
    std::string fault(const Words& words) {
        if (words.size() < 4) {
            return "fault needs a device, a card number and a fault";
        }
        CardSpec* spec = nullptr;
        if (auto problem = installedCard(words, spec); !problem.empty()) {
            return problem;
        }
        const auto* name = std::find_if(std::begin(kFaultNames), std::end(kFaultNames),
                                        [&](const FaultName& f) { return f.name == words[3]; });
        if (name == std::end(kFaultNames)) {
            return "unknown fault \"" + words[3] + "\"";
        }
        Fault fault{name->kind};
        std::size_t next = 4;
        if (name->takesValue) {
            const auto value = next < words.size() ? parseInteger(words[next]) : std::nullopt;
            if (!value || *value < INT32_MIN || *value > INT32_MAX) {
                return words[3] + " needs a whole number";
            }
            fault.value = static_cast<int>(*value);
            ++next;
        }
        for (; next < words.size(); next += 2) {
            const auto value = next + 1 < words.size() ? parseInteger(words[next + 1]) : std::nullopt;
            if (!value || *value < 0 || *value > INT32_MAX) {
                return "\"" + words[next] + "\" needs a whole number";
            }
            if (words[next] == "op") {
                fault.operation = static_cast<int>(*value);
            } else if (words[next] == "port") {
                fault.port = static_cast<int>(*value);
            } else {
                return "unknown fault option \"" + words[next] + "\"";
            }
        }
        spec->faults.push_back(fault);
        return {};
    }

    // input DEVICE NUMBER port N VALUE
    std::string input(const Words& words) {
        if (words.size() != 6 || words[3] != "port") {
            return "input needs: input DEVICE NUMBER port PORT VALUE";
        }
        CardSpec* spec = nullptr;
        if (auto problem = installedCard(words, spec); !problem.empty()) {
            return problem;
        }
        const auto port = parseInteger(words[4]);
        const auto value = parseInteger(words[5]);
        if (!port || *port < 0 || *port > 255 || !value || *value < 0 || *value > UINT32_MAX) {
            return "input needs a port 0 to 255 and a value 0 to 0xFFFFFFFF";
        }
        spec->pinnedInputs[static_cast<int>(*port)] = static_cast<std::uint32_t>(*value);
        return {};
    }

    // no-loopback DEVICE NUMBER
    std::string noLoopback(const Words& words) {
        if (words.size() != 3) {
            return "no-loopback needs a device and a card number";
        }
        CardSpec* spec = nullptr;
        if (auto problem = installedCard(words, spec); !problem.empty()) {
            return problem;
        }
        spec->loopBack = false;
        return {};
    }

    // Resolves words[1] and words[2] to a card installed by an earlier line.
    std::string installedCard(const Words& words, CardSpec*& spec) {
        const auto entry = entryIndexOfName(words[1]);
        if (!entry) {
            return "unknown device \"" + words[1] + "\"";
        }
        const auto number = parseInteger(words[2]);
        spec = number ? findCard(*entry, static_cast<int>(*number)) : nullptr;
        return spec ? std::string() : words[1] + " " + words[2] + " is not installed by an earlier card line";
    }

    CardSpec* findCard(int entry, int number) {
        const auto it = std::find_if(profile_.cards.begin(), profile_.cards.end(), [&](const CardSpec& c) {
            return c.entry == entry && c.cardNumber == number;
        });
        return it == profile_.cards.end() ? nullptr : &*it;
    }

    const std::string& source_;
    std::ostream& report_;
    MachineProfile profile_;
};

} // namespace

MachineProfile parseMachineProfile(std::string_view text, const std::string& source, std::ostream& report) {
    ProfileParser parser(source, report);
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        parser.parseLine(text.substr(0, end), ++lineNumber);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return parser.take();
}

std::optional<MachineProfile> readMachineProfile(const std::filesystem::path& path, std::ostream& report) {
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, error)) { // a pipe or a device could block the reader
        file.open(path, std::ios::binary);
    }
    if (!file.is_open()) {
        report << path.string() << ": cannot read the machine profile\n";
        return std::nullopt;
    }
    std::string text(kMaxProfileBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    const bool tooLong = text.size() > kMaxProfileBytes;
    if (tooLong) {
        text.resize(text.rfind('\n', kMaxProfileBytes) + 1);
    }
    MachineProfile profile = parseMachineProfile(text, path.string(), report);
    if (tooLong) {
        report << path.string() << ": larger than 1 MiB, the rest is ignored\n";
        ++profile.problems;
    }
    return profile;
}

MachineProfile virtualOnlyProfile() {
    return parseMachineProfile({}, {}, std::cerr);
}

} // namespace radezuvi
