// The cards a task can be made for, as the engine reports them, and what each offers to an
// operation. Everything is asked of the engine: a card performs an operation when the engine
// creates a task of it, and its channels are those the engine lets the task address.
#pragma once

#include <QString>

#include <vector>

namespace doz::taskwizard {

struct CardChoice {
    QString deviceName; // the engine's device name, e.g. "PCI-M610"
    int typeCode = 0;
    int cardNumber = 0;
    bool installed = true;

    // "PCI-M610: 0", with " (not installed)" for a card the machine lacks.
    QString label() const;
    bool sameCard(const CardChoice& other) const {
        return typeCode == other.typeCode && cardNumber == other.cardNumber;
    }
};

// Every card installed in the machine, the virtual device among them, in the engine's order.
std::vector<CardChoice> installedCards();

// The card of a task's type code and number as a choice: the installed card when there is one,
// else the device of that type marked as not installed.
CardChoice cardOfTask(int typeCode, int cardNumber);

// `cards` with the card of a task among them: an installed card of the same device and number
// takes the task's type code (a sub-type of its group); a card not installed is added at the end.
std::vector<CardChoice> withTaskCard(std::vector<CardChoice> cards, const CardChoice& taskCard);

// Whether the engine makes a task of `operation` for the card.
bool cardPerforms(const CardChoice& card, int operation);

// Channels (ports, lines, counters) the card offers to `operation`; 0 when it cannot perform it.
int channelCount(const CardChoice& card, int operation);

} // namespace doz::taskwizard
