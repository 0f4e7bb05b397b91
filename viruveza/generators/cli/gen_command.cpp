#include "viruveza/generators/cli/gen_command.h"

#include "viruveza/generators/cli/record_json.h"
#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/output_path.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

namespace doz::generators {

namespace {

constexpr const char* Usage =
    "usage: ruzidavidez-gen RECORD.json -o OUT [--print-record]\n"
    "       ruzidavidez-gen RECORD.json --print-record\n"
    "  RECORD.json     the generation record as JSON; - reads standard input\n"
    "  -o OUT          write the generated C file to OUT, with \".txt\" appended unless the\n"
    "                  name holds \".txt\"; -o - writes it to standard output\n"
    "  --print-record  print the record, as generation left it, as JSON on standard output\n"
    "exit codes: 0 written, 1 bad input, 2 the record generates nothing\n";

struct Options {
    std::string recordPath;
    std::optional<std::string> output;
    bool printRecord = false;
    bool help = false;
};

// Fills `options`, or returns what is wrong with the arguments.
std::optional<std::string> ParseArguments(std::span<const std::string> args, Options& options) {
    std::optional<std::string> record;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--print-record") {
            options.printRecord = true;
        } else if (arg == "-o") {
            if (i + 1 == args.size())
                return "-o needs an output path";
            if (options.output)
                return "-o is given twice";
            options.output = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option " + arg;
        } else if (record) {
            return "more than one record file: " + *record + " and " + arg;
        } else {
            record = arg;
        }
    }
    if (options.help)
        return std::nullopt;
    if (!record)
        return "no record file given";
    if (!options.output && !options.printRecord)
        return "nothing to do: give -o OUT or --print-record";
    if (options.output == "-" && options.printRecord)
        return "-o - and --print-record would both write to standard output";
    options.recordPath = *record;
    return std::nullopt;
}

// The whole record text, or nothing with errno telling why.
std::optional<std::string> ReadAll(const std::string& path, std::istream& in) {
    if (path == "-")
        return std::string(std::istreambuf_iterator<char>(in), {});
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        errno = EISDIR;
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

int RunGenCommand(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
    Options options;
    if (const std::optional<std::string> problem = ParseArguments(args, options)) {
        err << "ruzidavidez-gen: " << *problem << "\n" << Usage;
        return ExitBadInput;
    }
    if (options.help) {
        out << Usage;
        return ExitWritten;
    }

    const std::optional<std::string> json = ReadAll(options.recordPath, in);
    if (!json) {
        err << "ruzidavidez-gen: cannot read " << options.recordPath << ": " << std::strerror(errno) << "\n";
        return ExitBadInput;
    }
    GenerationRequest request;
    try {
        request = ParseRecordJson(*json);
    } catch (const RecordError& error) {
        err << "ruzidavidez-gen: " << options.recordPath << ": " << error.what() << "\n";
        return ExitBadInput;
    }

    CodeGenerator generator(request.record);
    const bool toFile = options.output && *options.output != "-";
    const std::filesystem::path path = toFile ? WithTxtExtension(*options.output) : std::filesystem::path();
    std::string text;
    const GenerateResult result =
        toFile ? generator.generate(request.line, path) : generator.build(request.line, text);
    if (result.ok() && options.output == "-")
        out << text;
    if (options.printRecord)
        out << RecordToJson(request.line, request.record) << "\n";
    if (!out.flush()) {
        err << "ruzidavidez-gen: cannot write standard output\n";
        return ExitBadInput;
    }

    switch (result.status) {
    case GenerateStatus::Generated:
        if (toFile)
            err << "ruzidavidez-gen: wrote " << path.string() << "\n";
        return ExitWritten;
    case GenerateStatus::NothingGenerated:
        err << "ruzidavidez-gen: nothing generated: " << result.message << "\n";
        return ExitNothingGenerated;
    case GenerateStatus::WriteFailed:
        break;
    }
    err << "ruzidavidez-gen: " << result.message << "\n";
    return ExitBadInput;
}

} // namespace doz::generators
