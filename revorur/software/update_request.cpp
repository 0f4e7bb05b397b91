#include "revorur/software/update_request.h"

namespace doz::software {
namespace {

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

template <typename Field>
std::string list(std::string_view key, std::span<const RegisteredProduct> products, Field field) {
    std::string text(key);
    for (std::size_t i = 0; i < products.size(); ++i) {
        if (i > 0)
            text += ',';
        text += percentEncoded(field(products[i]));
    }
    return text;
}

} // namespace

std::string percentEncoded(std::string_view utf8) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size());
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (isUnreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

std::string updateRequestAddress(std::span<const RegisteredProduct> products) {
    return std::string(kRecommendationPage) +
           list("SW=", products, [](const RegisteredProduct& p) -> std::string_view { return p.name; }) +
           "&" +
           list("VR=", products, [](const RegisteredProduct& p) -> std::string_view { return p.version; });
}

} // namespace doz::software
