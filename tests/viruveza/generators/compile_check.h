#pragma once
// Compiling generated fragments. A fragment is not a compilable unit: its statements stand at top
// level, indented by one tab. The wrapper keeps every other line at file scope and moves the
// tab-indented lines, in order, into one function; the result is compiled with the system C
// compiler against the test driver headers (zizev.h, z4uvarid.h).

#include <string>
#include <string_view>

namespace doz::generators::testing {

std::string WrapFragment(std::string_view fragment);

struct CompileOutcome {
    bool compiled = false;
    std::string report; // the compiler's messages and the wrapped source, when it failed
};

// `cc -fsyntax-only -Wall -Werror` on the wrapped fragment. Two things in a fragment are not C:
// the placeholders the templates leave for the programmer (a loop condition written as a comment)
// are first filled with a neutral stand-in, and a fragment that allocates with `new` (the D260's
// ring of buffers) is compiled as C++.
CompileOutcome CompileFragment(std::string_view fragment);

// The fragment with its user placeholders filled in.
std::string FillUserPlaceholders(std::string_view fragment);

} // namespace doz::generators::testing
