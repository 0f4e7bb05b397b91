#include "maker/taskwizard/src/engine_messages.h"

#include "maker/engine/radezuvi_engine.h"

#include <algorithm>
#include <iterator>

namespace doz::taskwizard {

namespace {

struct ErrorText {
    int32_t error;
    const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {RADEZUVI_ERR_HANDLE, "The task is no longer open."},
    {RADEZUVI_ERR_PROPERTY, "The card does not offer one of the settings."},
    {RADEZUVI_ERR_VALUE,
     "The card does not accept one of the values. Check the range, the buffer size and the waveform "
     "(frequency 1 Hz to 250 kHz, amplitude 0 V or more, offset and amplitude within +/-10 V, duty "
     "cycle 0 to 100 %)."},
    {RADEZUVI_ERR_CHANNEL, "One of the channels does not exist on this card."},
    {RADEZUVI_ERR_STATE, "The task is running; stop it first."},
    {RADEZUVI_ERR_OPERATION, "This card cannot perform the operation."},
    {RADEZUVI_ERR_NO_DEVICE, "The card of this task is not installed in this computer."},
    {RADEZUVI_ERR_FAULT, "The card reported a failure."},
    {RADEZUVI_ERR_RATE,
     "The rate is not accepted: it must be above 0 and within the card's maximum rate for the "
     "enabled channels."},
    {RADEZUVI_ERR_ARGUMENT, "The engine refused an argument."},
    {RADEZUVI_ERR_NO_CHANNEL, "Select at least one channel."},
    {RADEZUVI_ERR_FILE, "The task file could not be read or written."},
    {RADEZUVI_ERR_BUFFER, "The task cannot take this pattern buffer."},
    {RADEZUVI_ERR_RESOURCE, "The engine ran out of memory or threads."},
};

} // namespace

QString engineErrorText(int32_t error) {
    const auto* it = std::find_if(std::begin(kErrorTexts), std::end(kErrorTexts),
                                  [&](const ErrorText& entry) { return entry.error == error; });
    return it != std::end(kErrorTexts) ? QString::fromLatin1(it->text)
                                       : QStringLiteral("The engine reported error %1.").arg(error);
}

} // namespace doz::taskwizard
