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

// `cc -fsyntax-only -Wall -Werror` on the wrapped fragment.
CompileOutcome CompileFragment(std::string_view fragment);

} // namespace doz::generators::testing
