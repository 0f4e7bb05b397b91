#include "common/platform/command_line.h"

namespace doz::platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> splitCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    std::size_t i = 0;
    for (;;) {
        while (i < commandLine.size() && isBlank(commandLine[i]))
            ++i;
        if (i == commandLine.size())
            return words;
        std::string word;
        bool quoted = false;
        while (i < commandLine.size() && (quoted || !isBlank(commandLine[i]))) {
            const char c = commandLine[i];
            if (c == '\\') {
                std::size_t backslashes = 0;
                while (i < commandLine.size() && commandLine[i] == '\\') {
                    ++backslashes;
                    ++i;
                }
                const bool beforeQuote = i < commandLine.size() && commandLine[i] == '"';
                word.append(beforeQuote ? backslashes / 2 : backslashes, '\\');
                if (beforeQuote && backslashes % 2 == 1) {
                    word += '"';
                    ++i;
                }
                continue;
            }
            if (c == '"')
                quoted = !quoted;
            else
                word += c;
            ++i;
        }
        words.push_back(std::move(word));
    }
}

} // namespace doz::platform
