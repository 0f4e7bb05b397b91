#include "viruveza/generators/code_generator.h"

#include "common/platform/file_io.h"
#include "viruveza/generators/operation_names.h"

#include <cstring>
#include <string>
#include <string_view>

namespace doz::generators {

namespace {

std::string LineName(CardLine line) {
    switch (line) {
    case CardLine::Classic:
        return "the classic line";
    case CardLine::E400:
        return "the E400 line";
    }
    return "card line " + std::to_string(static_cast<int>(line));
}

std::string NoWriterMessage(CardLine line, std::uint16_t operation) {
    std::string message = "no writer for operation " + std::to_string(operation);
    if (const std::string_view name = OperationName(line, operation); !name.empty())
        message += " (\"" + std::string(name) + "\")";
    return message + " on " + LineName(line);
}

GenerateResult Nothing(std::string message) {
    return {GenerateStatus::NothingGenerated, std::move(message)};
}

} // namespace

CodeGenerator::CodeGenerator(DeviceSetup& record, std::span<const WriterEntry> writers)
    : record_(record), writers_(writers) {}

GenerateResult CodeGenerator::build(CardLine line, std::string& text) {
    text.clear();
    if (record_.cardType == NoCardChosen)
        return Nothing("no card is chosen (cardType 0xFFFF)");
    const WriterEntry* entry = FindWriter(writers_, line, record_.operation, record_.cardType);
    if (!entry)
        return Nothing(NoWriterMessage(line, record_.operation));

    // Writers print the data file name with "%s". A name that fills its whole field has no end
    // within it; cutting it would make the program write to another file, so it is refused.
    if (!std::memchr(record_.fileName, '\0', sizeof record_.fileName))
        return Nothing("the data file name fills all " + std::to_string(sizeof record_.fileName) +
                       " bytes of its field; cut short it would name another file");
    CodeWriter writer(record_, line);
    const WriterOutcome outcome = entry->writer(writer);
    if (!outcome.written())
        return Nothing(outcome.reason());
    text = writer.takeText();
    return {GenerateStatus::Generated, {}};
}

GenerateResult CodeGenerator::generate(CardLine line, const std::filesystem::path& path) {
    std::string text;
    GenerateResult result = build(line, text);
    if (!result.ok())
        return result;
    if (std::optional<std::string> failure = platform::replaceFileAtomically(path, text))
        return {GenerateStatus::WriteFailed, std::move(*failure)};
    return result;
}

} // namespace doz::generators
