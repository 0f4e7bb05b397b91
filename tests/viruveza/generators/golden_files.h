#pragma once
// The hand-written golden files: golden/NAME.json holds a record, golden/NAME.txt the file it
// must generate.

#include <string>
#include <vector>

namespace doz::generators::testing {

// Names of the golden pairs, sorted.
std::vector<std::string> GoldenNames();
std::string GoldenRecordPath(const std::string& name);
std::string GoldenTextPath(const std::string& name);

// A golden name as a test name ("ai-m610dg-raw" becomes "ai_m610dg_raw").
std::string TestNameOf(std::string name);

} // namespace doz::generators::testing
