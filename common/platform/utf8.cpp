#include "common/platform/utf8.h"

namespace doz::platform {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the sequence introduced by `lead` and the smallest code point it may encode
// (anything smaller is an overlong form); length 0 for a byte that cannot start a sequence.
struct LeadByte {
    std::size_t length;
    char32_t minimum;
};

LeadByte classify(unsigned char lead) {
    if (lead < 0x80)
        return {1, 0};
    if ((lead & 0xE0) == 0xC0)
        return {2, 0x80};
    if ((lead & 0xF0) == 0xE0)
        return {3, 0x800};
    if ((lead & 0xF8) == 0xF0)
        return {4, 0x10000};
    return {0, 0};
}

} // namespace

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const LeadByte kind = classify(lead);
        if (kind.length == 0 || i + kind.length > text.size())
            return false;
        char32_t code = kind.length == 1 ? lead : lead & (0x7F >> kind.length);
        for (std::size_t k = 1; k < kind.length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(byte))
                return false;
            code = (code << 6) | (byte & 0x3F);
        }
        if (code < kind.minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += kind.length;
    }
    return true;
}

std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text.size();
    // Cutting at `maxBytes` splits a sequence exactly when the next byte continues one; step
    // back over at most three continuation bytes to the lead byte and cut before it.
    std::size_t cut = maxBytes;
    for (int steps = 0; steps < 3 && cut > 0 && isContinuation(static_cast<unsigned char>(text[cut]));
         ++steps)
        --cut;
    if (isContinuation(static_cast<unsigned char>(text[cut])))
        return maxBytes; // not UTF-8 here: plain byte cut
    return cut;
}

} // namespace doz::platform
