#include "revorur/tasks/code_templates.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <system_error>

namespace doz::tasks {
namespace {

struct CodeTemplate {
    int operation;
    std::string_view path;
};

constexpr CodeTemplate templates[] = {
    {0x10000, "codegen/AIPolling.cpp"},        {0x10002, "codegen/AISingleShot.cpp"},
    {0x10003, "codegen/AIContinuous.cpp"},     {0x20000, "codegen/AOVoltageOutput.cpp"},
    {0x20001, "codegen/AOCurrentOutput.cpp"},  {0x20002, "codegen/AOSingleShot.cpp"},
    {0x20003, "codegen/AOContinuous.cpp"},     {0x20004, "codegen/AOFunGen.cpp"},
    {0x40000, "codegen/DILineInput.cpp"},      {0x40001, "codegen/DIPortInput.cpp"},
    {0x40002, "codegen/DISingleShot.cpp"},     {0x40003, "codegen/DIContinuous.cpp"},
    {0x80000, "codegen/DOLineOutput.cpp"},     {0x80001, "codegen/DOPortOutput.cpp"},
    {0x80002, "codegen/DOSingleShot.cpp"},     {0x80003, "codegen/DOContinuous.cpp"},
    {0x100000, "codegen/TCSimpleCounter.cpp"}, {0x100001, "codegen/TCTimerInterrupt.cpp"},
    {0x100002, "codegen/TCModeOperation.cpp"}, {0x100003, "codegen/TCInterrupt.cpp"},
};

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::string_view TemplateOfOperation(int operation) {
    const auto* it = std::find_if(std::begin(templates), std::end(templates),
                                  [operation](const CodeTemplate& t) { return t.operation == operation; });
    return it == std::end(templates) ? std::string_view() : it->path;
}

std::optional<std::filesystem::path> FindTemplate(std::string_view templatePath,
                                                  const std::filesystem::path& programFolder) {
    const std::filesystem::path relative(templatePath);
    if (isRegularFile(relative))
        return relative;
    const std::filesystem::path beside = programFolder / relative;
    if (!programFolder.empty() && isRegularFile(beside))
        return beside;
    return std::nullopt;
}

std::string CStringLiteralBody(std::string_view text) {
    std::string body;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            body += "\\\\";
            break;
        case '"':
            body += "\\\"";
            break;
        case '\n':
            body += "\\n";
            break;
        case '\r':
            body += "\\r";
            break;
        case '\t':
            body += "\\t";
            break;
        case '?':
            // "??x" would read as a trigraph in some C modes: the second "?" is escaped.
            body += i > 0 && text[i - 1] == '?' ? "\\?" : "?";
            break;
        default:
            if (u < 0x20 || u == 0x7f) {
                char octal[5];
                std::snprintf(octal, sizeof octal, "\\%03o", u);
                body += octal;
            } else {
                body += c;
            }
        }
    }
    return body;
}

std::string WithTaskName(std::string_view templateText, std::string_view taskName) {
    std::string out;
    out.reserve(templateText.size() + taskName.size());
    bool replaced = false;
    while (!templateText.empty()) {
        const std::size_t end = templateText.find('\n');
        std::string_view line = templateText.substr(0, end);
        const bool lineEnd = end != std::string_view::npos;
        templateText.remove_prefix(lineEnd ? end + 1 : templateText.size());
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!replaced && line == TaskNameLine) {
            out += "#define TASK_NAME \"" + CStringLiteralBody(taskName) + "\"";
            replaced = true;
        } else {
            out.append(line);
        }
        if (lineEnd)
            out += '\n';
    }
    return out;
}

} // namespace doz::tasks
