// Writing found cards into the caller's 64-byte records.
#pragma once

#include "dedozovaz/dedozovaz.h"
#include "dedozovaz/scan.h"

#include <span>

namespace dedozovaz {

// One record per card, back to back from records; bytes 50 to 63 of each stay as they were.
void writeRecords(std::span<const FoundCard> cards, VIZDevRecord* records);

} // namespace dedozovaz
