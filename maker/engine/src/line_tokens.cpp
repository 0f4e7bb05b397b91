#include "line_tokens.h"

namespace radezuvi {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

std::optional<std::vector<std::string>> splitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
        } else if (line[i] == '#') {
            break;
        } else if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                return std::nullopt;
            }
            words.emplace_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            std::size_t end = i;
            while (end < line.size() && !isBlank(line[end]) && line[end] != '#') {
                ++end;
            }
            words.emplace_back(line.substr(i, end - i));
            i = end;
        }
    }
    return words;
}

} // namespace radezuvi
