#pragma once
// The fixed texts of the test panels' message boxes (misspellings are the program's own).

namespace doz::testpanels {

inline constexpr const char* kRateOutOfRange = "The value of sampling rate is out of range.";
inline constexpr const char* kFrequencyOutOfRange = "The value of frequency must betweeen 1 and 250000.";
inline constexpr const char* kOutValueOutOfRange = "The out value must betweeen -10 and 10.";
inline constexpr const char* kParameterError = "Parameter Error!";

} // namespace doz::testpanels
