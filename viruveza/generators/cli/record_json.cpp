#include "viruveza/generators/cli/record_json.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <variant>

namespace doz::generators {

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

template <typename Owner>
using Member = std::variant<std::uint16_t Owner::*, std::int16_t Owner::*, std::uint32_t Owner::*,
                            float Owner::*, double Owner::*, char (Owner::*)[64], char (Owner::*)[256]>;

template <typename Owner> struct Field {
    const char* name;
    Member<Owner> member;
};

// Every field of the record but the channel tables and the unread slot, in record order.
const auto RecordFields = std::to_array<Field<DeviceSetup>>({
    {"title", &DeviceSetup::title},
    {"cardType", &DeviceSetup::cardType},
    {"channelPattern", &DeviceSetup::channelPattern},
    {"cardNumber", &DeviceSetup::cardNumber},
    {"channelCount", &DeviceSetup::channelCount},
    {"channel", &DeviceSetup::channel},
    {"adRange", &DeviceSetup::adRange},
    {"sampleRate", &DeviceSetup::sampleRate},
    {"doubleBuffer", &DeviceSetup::doubleBuffer},
    {"scanCount", &DeviceSetup::scanCount},
    {"clockSource", &DeviceSetup::clockSource},
    {"toFile", &DeviceSetup::toFile},
    {"operation", &DeviceSetup::operation},
    {"fileName", &DeviceSetup::fileName},
    {"trigMode", &DeviceSetup::trigMode},
    {"trigSource", &DeviceSetup::trigSource},
    {"burstCount", &DeviceSetup::burstCount},
    {"postCount", &DeviceSetup::postCount},
    {"trigPolarity", &DeviceSetup::trigPolarity},
    {"outputMode", &DeviceSetup::outputMode},
    {"modeFlags", &DeviceSetup::modeFlags},
    {"funcFlags", &DeviceSetup::funcFlags},
    {"clockSelect", &DeviceSetup::clockSelect},
    {"level", &DeviceSetup::level},
    {"configFlags", &DeviceSetup::configFlags},
    {"trigFlags", &DeviceSetup::trigFlags},
    {"mCount", &DeviceSetup::mCount},
    {"reTrigCount", &DeviceSetup::reTrigCount},
    {"scanInterval", &DeviceSetup::scanInterval},
    {"sampleInterval", &DeviceSetup::sampleInterval},
    {"portWidth", &DeviceSetup::portWidth},
    {"terminator", &DeviceSetup::terminator},
    {"ctrlPolarity", &DeviceSetup::ctrlPolarity},
    {"reqPolarity", &DeviceSetup::reqPolarity},
    {"waitMode", &DeviceSetup::waitMode},
    {"dataFormat", &DeviceSetup::dataFormat},
    {"syncMode", &DeviceSetup::syncMode},
    {"levelLow", &DeviceSetup::levelLow},
});

const auto AiFields = std::to_array<Field<AiChannelSetting>>({
    {"enabled", &AiChannelSetting::enabled},
    {"range", &AiChannelSetting::range},
    {"refGround", &AiChannelSetting::refGround},
});

const auto AoFields = std::to_array<Field<AoChannelSetting>>({
    {"enabled", &AoChannelSetting::enabled},
    {"polarity", &AoChannelSetting::polarity},
    {"refSource", &AoChannelSetting::refSource},
    {"refVoltage", &AoChannelSetting::refVoltage},
    {"voltage", &AoChannelSetting::voltage},
});

// A short rendering of a value for messages.
std::string Shown(const json& value) {
    std::string text = value.dump(-1, ' ', false, json::error_handler_t::replace);
    return text.size() > 40 ? text.substr(0, 37) + "..." : text;
}

[[noreturn]] void Fail(const std::string& field, const std::string& problem) {
    throw RecordError("field \"" + field + "\": " + problem);
}

template <typename T> void Assign(const json& value, T& target, const std::string& field) {
    if constexpr (std::is_integral_v<T>) {
        constexpr auto low = std::numeric_limits<T>::min();
        constexpr auto high = std::numeric_limits<T>::max();
        const std::string expected =
            "expected an integer from " + std::to_string(low) + " to " + std::to_string(high);
        if (!value.is_number_integer())
            Fail(field, expected + ", got " + Shown(value));
        const bool inRange = value.is_number_unsigned() ? value.get<std::uint64_t>() <= std::uint64_t(high)
                                                        : value.get<std::int64_t>() >= std::int64_t(low) &&
                                                              value.get<std::int64_t>() <= std::int64_t(high);
        if (!inRange)
            Fail(field, expected + ", got " + Shown(value));
        target = value.get<T>();
    } else {
        if (!value.is_number())
            Fail(field, "expected a number, got " + Shown(value));
        const double number = value.get<double>();
        if (std::is_same_v<T, float> && std::abs(number) > std::numeric_limits<float>::max())
            Fail(field, "the number " + Shown(value) + " does not fit a 32-bit float");
        target = static_cast<T>(number);
    }
}

template <std::size_t N> void Assign(const json& value, char (&target)[N], const std::string& field) {
    if (!value.is_string())
        Fail(field, "expected a string, got " + Shown(value));
    const auto& text = value.get_ref<const std::string&>();
    if (text.find('\0') != std::string::npos)
        Fail(field, "a NUL character cannot be stored in the field");
    if (text.size() >= N)
        Fail(field, "the text has " + std::to_string(text.size()) + " bytes; the field holds at most " +
                        std::to_string(N - 1));
    std::memset(target, 0, N);
    std::memcpy(target, text.data(), text.size());
}

template <typename Owner, std::size_t N>
void ReadField(const std::string& key, const json& value, Owner& owner,
               const std::array<Field<Owner>, N>& fields, const std::string& prefix) {
    for (const Field<Owner>& field : fields) {
        if (key == field.name) {
            std::visit([&](auto member) { Assign(value, owner.*member, prefix + key); }, field.member);
            return;
        }
    }
    throw RecordError("unknown field \"" + prefix + key + "\"");
}

template <typename Entry, std::size_t Entries, std::size_t Fields>
void ReadChannels(const json& value, Entry (&table)[Entries], const std::array<Field<Entry>, Fields>& fields,
                  const std::string& name) {
    if (!value.is_array())
        Fail(name, "expected an array of channel objects, got " + Shown(value));
    if (value.size() > Entries)
        Fail(name,
             std::to_string(value.size()) + " entries; the table holds at most " + std::to_string(Entries));
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string entryName = name + "[" + std::to_string(i) + "]";
        if (!value[i].is_object())
            Fail(entryName, "expected a channel object, got " + Shown(value[i]));
        for (const auto& [key, field] : value[i].items())
            ReadField(key, field, table[i], fields, entryName + ".");
    }
}

CardLine ReadLine(const json& value) {
    if (!value.is_number_integer() || (value != 0 && value != 1))
        Fail("line", "expected 0 (classic line) or 1 (E400 line), got " + Shown(value));
    return value == 0 ? CardLine::Classic : CardLine::E400;
}

// A float as the shortest decimal that reads back as the same float, so 0.3f prints as 0.3.
double Printable(float value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits - 1, value).ptr;
    *end = '\0';
    return std::strtod(digits, nullptr);
}

template <typename T> ordered_json Printed(const T& value) {
    if constexpr (std::is_same_v<T, float>)
        return Printable(value);
    else if constexpr (std::is_array_v<T>)
        return std::string(value, strnlen(value, sizeof value));
    else
        return value;
}

template <typename Owner, std::size_t N>
ordered_json PrintObject(const Owner& owner, const std::array<Field<Owner>, N>& fields) {
    ordered_json object = ordered_json::object();
    for (const Field<Owner>& field : fields)
        std::visit([&](auto member) { object[field.name] = Printed(owner.*member); }, field.member);
    return object;
}

std::string Dumped(const ordered_json& value) {
    return value.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

// One channel entry per line, so the tables stay readable.
template <typename Entry, std::size_t Entries, std::size_t Fields>
std::string PrintChannels(const Entry (&table)[Entries], const std::array<Field<Entry>, Fields>& fields) {
    std::string text = "[";
    for (std::size_t i = 0; i < Entries; ++i)
        text += (i ? ",\n    " : "\n    ") + Dumped(PrintObject(table[i], fields));
    return text + "\n  ]";
}

} // namespace

GenerationRequest ParseRecordJson(std::string_view text) {
    json document;
    try {
        document = json::parse(text);
    } catch (const json::exception& error) { // syntax errors, and numbers too large for any field
        std::string reason = error.what();
        if (const auto start = reason.find("] "); start != std::string::npos)
            reason.erase(0, start + 2);
        throw RecordError("malformed JSON: " + reason);
    }
    if (!document.is_object())
        throw RecordError("the record must be a JSON object, got " + Shown(document));

    GenerationRequest request;
    for (const auto& [key, value] : document.items()) {
        if (key == "line")
            request.line = ReadLine(value);
        else if (key == "aiChannels")
            ReadChannels(value, request.record.aiChannels, AiFields, key);
        else if (key == "aoChannels")
            ReadChannels(value, request.record.aoChannels, AoFields, key);
        else
            ReadField(key, value, request.record, RecordFields, "");
    }
    return request;
}

std::string RecordToJson(CardLine line, const DeviceSetup& record) {
    std::string text = "{\n  \"line\": " + std::to_string(static_cast<int>(line));
    const ordered_json fields = PrintObject(record, RecordFields);
    for (const auto& [key, value] : fields.items())
        text += ",\n  " + Dumped(key) + ": " + Dumped(value);
    text += ",\n  \"aiChannels\": " + PrintChannels(record.aiChannels, AiFields);
    text += ",\n  \"aoChannels\": " + PrintChannels(record.aoChannels, AoFields);
    return text + "\n}";
}

} // namespace doz::generators
