#include "code_texts.h"

#include <array>

namespace doz::catalogue {
namespace {

// Codes 212 and up are written without the trailing "V", as the panels have always shown them.
constexpr std::array<std::string_view, 16> rangeTexts = {
    "+/- 10V",     "+/- 5V",    "+/- 2.5V", "+/- 2V",  "+/- 1.25V", "+/- 1V",   "+/- 0.625V", "+/- 0.5V",
    "+/- 0.3125V", "+/- 0.25V", "+/- 0.2V", "+/- 0.1", "+/- 0.05",  "+/- 0.01", "+/- 0.005",  "+/- 0.001",
};
constexpr int firstRange = 201;

constexpr std::array<std::string_view, 3> referenceTexts = {"Reference Single Ended", "Differential",
                                                            "Non Reference Single Ended"};
constexpr int firstReference = 300;

constexpr std::array<std::string_view, 2> aiModeTexts = {"Continue AI", "Single Value"};

template <std::size_t N>
std::string_view lookup(const std::array<std::string_view, N>& texts, int first, int code) {
    const int i = code - first;
    return i >= 0 && i < static_cast<int>(N) ? texts[static_cast<std::size_t>(i)] : std::string_view{};
}

} // namespace

std::string_view RangeText(int code) {
    return lookup(rangeTexts, firstRange, code);
}
std::string_view ReferenceText(int code) {
    return lookup(referenceTexts, firstReference, code);
}
std::string_view AiModeText(int code) {
    return lookup(aiModeTexts, 0, code);
}

} // namespace doz::catalogue
