#include "viruveza/wizard/plain_page_model.h"

#include "viruveza/wizard/card_choices.h"

#include <array>

namespace doz::wizard {

namespace {

// The first entry of each card's "Card sub-type :" list, in card list order.
constexpr std::array<std::uint16_t, 28> kClassicFirstSubType = {
    1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 33, 34, 35, 13, 15, 31, 16, 17, 18, 36, 19, 20, 22, 23, 24, 32, 26, 30,
};

constexpr std::array<std::uint16_t, 12> kE400CardType = {4, 6, 1, 12, 5, 2, 3, 9, 10, 11, 7, 8};

} // namespace

std::uint16_t defaultCardType(int line, int cardIndex) {
    if (cardIndex < 0)
        return generators::NoCardChosen;
    const auto index = static_cast<std::size_t>(cardIndex);
    if (line == kClassicLine && index < kClassicFirstSubType.size())
        return kClassicFirstSubType[index];
    if (line == kE400Line && index < kE400CardType.size())
        return kE400CardType[index];
    return generators::NoCardChosen;
}

std::optional<std::string> PlainPageModel::finishProblem() const {
    return std::nullopt;
}

void PlainPageModel::complete() {
    record_.cardType = defaultCardType(entry_.line, entry_.cardIndex);
    record_.cardNumber = 0;
    record_.channel = 0;
    record_.channelCount = 1;
}

} // namespace doz::wizard
