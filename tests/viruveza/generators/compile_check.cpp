#include "compile_check.h"

#include "tests/support/files.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_folder.h"

#include <utility>

namespace doz::generators::testing {

using namespace doz::test;

std::string WrapFragment(std::string_view fragment) {
    std::string fileScope, statements;
    while (!fragment.empty()) {
        const std::size_t end = fragment.find('\n');
        const std::size_t length = end == std::string_view::npos ? fragment.size() : end + 1;
        const std::string_view line = fragment.substr(0, length);
        (line.front() == '\t' ? statements : fileScope).append(line);
        fragment.remove_prefix(length);
    }
    if (!fileScope.empty() && fileScope.back() != '\n')
        fileScope += '\n';
    if (!statements.empty() && statements.back() != '\n')
        statements += '\n';
    return fileScope + "\nvoid GeneratedFragment(void)\n{\n" + statements + "}\n";
}

namespace {

// What the templates leave for the programmer to write, and what the check compiles instead.
constexpr std::pair<std::string_view, std::string_view> UserPlaceholders[] = {
    {"while (//here to add the condition to continue the acquisition);", "while (0);"},
};

bool AllocatesWithNew(std::string_view fragment) {
    return fragment.find(" = new ") != std::string_view::npos;
}

} // namespace

std::string FillUserPlaceholders(std::string_view fragment) {
    std::string filled(fragment);
    for (const auto& [placeholder, standIn] : UserPlaceholders)
        for (std::size_t at = filled.find(placeholder); at != std::string::npos;
             at = filled.find(placeholder, at + standIn.size()))
            filled.replace(at, placeholder.size(), standIn);
    return filled;
}

CompileOutcome CompileFragment(std::string_view fragment) {
    TempFolder scratch;
    const std::string source = scratch.file("fragment.c").string();
    const std::string wrapped = WrapFragment(FillUserPlaceholders(fragment));
    WriteFile(source, wrapped);
    // As C++ the C idiom `char *file_name = "..."` stays allowed.
    const ProcessResult run =
        AllocatesWithNew(fragment)
            ? RunProcess({"c++", "-fsyntax-only", "-Wall", "-Werror", "-Wno-write-strings", "-I",
                          DRIVER_HEADERS_DIR, "-x", "c++", source})
            : RunProcess(
                  {"cc", "-fsyntax-only", "-Wall", "-Werror", "-I", DRIVER_HEADERS_DIR, "-x", "c", source});
    CompileOutcome outcome;
    outcome.compiled = run.exitCode == 0;
    if (!outcome.compiled)
        outcome.report = run.err + "\n--- wrapped fragment ---\n" + wrapped;
    return outcome;
}

} // namespace doz::generators::testing
