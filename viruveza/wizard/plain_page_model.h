#pragma once
// The stand-in for a parameter page that is not built yet: it finishes with the record as the
// Code Generator page left it, plus the card type of the card's first sub-type, card index 0
// and channel 0, so the generator can write the file for the choice.

#include "viruveza/wizard/parameter_page_model.h"

namespace doz::wizard {

// The card type value of the first sub-type of a card of the wizard's card lists;
// NoCardChosen outside them.
std::uint16_t defaultCardType(int line, int cardIndex);

class PlainPageModel : public ParameterPageModelBase {
public:
    std::optional<std::string> finishProblem() const override;
    void complete() override;
};

} // namespace doz::wizard
