#pragma once
// The rules an alias obeys, and the letter-case-free form two aliases are compared in.

#include <cstdint>
#include <string>
#include <string_view>

namespace radezuvivarirare {

// 0 when `name` may be an alias, else the ALIAS_CHECK_ reason that refuses it. The rule that an
// alias is not already in use needs the store and is not checked here.
std::int32_t nameProblem(std::string_view name);

// The name with every letter in lower case, for comparing aliases regardless of case. Only
// meaningful for well-formed UTF-8.
std::u32string foldedName(std::string_view name);

// True when two names differ in letter case at most.
bool sameName(std::string_view a, std::string_view b);

} // namespace radezuvivarirare
