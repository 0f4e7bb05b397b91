// Splits one line of a text format into words: blanks separate words, "double quotes" keep a
// word with blanks together, and # starts a comment outside quotes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radezuvi {

// nullopt when a quote is not closed.
std::optional<std::vector<std::string>> splitWords(std::string_view line);

} // namespace radezuvi
