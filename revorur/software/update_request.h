#pragma once
// The address of the maker's software-recommendation page for the installed products:
// "...recommend_list.php?SW=<names>&VR=<versions>", each list comma-separated in registry order.

#include "revorur/software/product_registry.h"

#include <span>
#include <string>
#include <string_view>

namespace doz::software {

inline constexpr std::string_view kRecommendationPage =
    "https://www.dozazar.example/support/recommend_list.php?";

// Every byte of the UTF-8 text except letters, digits and "-._~" as "%XX", so a name holding
// "&", ",", "#" or a blank stays one item of its list.
std::string percentEncoded(std::string_view utf8);

std::string updateRequestAddress(std::span<const RegisteredProduct> products);

} // namespace doz::software
