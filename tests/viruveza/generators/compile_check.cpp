#include "compile_check.h"

#include "process_runner.h"

namespace doz::generators::testing {

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

CompileOutcome CompileFragment(std::string_view fragment) {
    ScratchDir scratch;
    const std::string source = scratch.file("fragment.c");
    const std::string wrapped = WrapFragment(fragment);
    WriteFile(source, wrapped);
    const ProcessResult run =
        RunProcess({"cc", "-fsyntax-only", "-Wall", "-Werror", "-I", DRIVER_HEADERS_DIR, "-x", "c", source});
    CompileOutcome outcome;
    outcome.compiled = run.exitCode == 0;
    if (!outcome.compiled)
        outcome.report = run.err + "\n--- wrapped fragment ---\n" + wrapped;
    return outcome;
}

} // namespace doz::generators::testing
