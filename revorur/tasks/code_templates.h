#pragma once
// The C reference-code templates: which file serves which operation, where the files are found,
// and the one line of a template that names its task.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace doz::tasks {

// The template's path below the templates' folder ("codegen/AIPolling.cpp"), or empty for an
// operation without a template.
std::string_view TemplateOfOperation(int operation);

// The line a template names its task with.
inline constexpr std::string_view TaskNameLine = "#define TASK_NAME \"DaqTask\"";

// The template file of a relative template path: below the current directory when it is there,
// else below the program's folder; nullopt when neither holds it.
std::optional<std::filesystem::path> FindTemplate(std::string_view templatePath,
                                                  const std::filesystem::path& programFolder);

// `text` as the inside of a C string literal: backslash, double quote, control characters and
// "??" trigraph starts escaped; UTF-8 kept as it is.
std::string CStringLiteralBody(std::string_view text);

// The template text with its first line equal to TaskNameLine (a CR before the line end is not
// part of the line) replaced by the line naming `taskName`; lines come back joined by "\n".
// A text without that line comes back unchanged but for its line ends.
std::string WithTaskName(std::string_view templateText, std::string_view taskName);

} // namespace doz::tasks
