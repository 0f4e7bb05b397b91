#include "dedozovaz/device_record.h"

#include "dedozovaz/name_tables.h"

#include <algorithm>
#include <cstddef>

namespace dedozovaz {
namespace {

// Records are little-endian whatever the host.
void putLe16(unsigned char* at, std::uint16_t value) {
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

// Writes the name and its terminator only, like a formatted print into the field would.
void putNarrowName(unsigned char* at, std::size_t room, std::string_view name) {
    const std::size_t length = std::min(name.size(), room - 1);
    for (std::size_t i = 0; i < length; ++i)
        at[i] = static_cast<unsigned char>(name[i]);
    at[length] = 0;
}

// Names are ASCII, so each character is one UTF-16 unit.
void putWideName(unsigned char* at, std::size_t room, std::string_view name) {
    const std::size_t length = std::min(name.size(), room / 2 - 1);
    for (std::size_t i = 0; i < length; ++i)
        putLe16(at + 2 * i, static_cast<unsigned char>(name[i]));
    putLe16(at + 2 * length, 0);
}

void writeRecord(const FoundCard& card, unsigned char* record) {
    const std::string_view name = nameTable(static_cast<std::uint16_t>(card.family))[card.type];
    putLe16(record + offsetof(VIZDevRecord, family), static_cast<std::uint16_t>(card.family));
    putLe16(record + offsetof(VIZDevRecord, type), card.type);
    putLe16(record + offsetof(VIZDevRecord, card_number), card.cardNumber);
    putNarrowName(record + offsetof(VIZDevRecord, name), sizeof(VIZDevRecord::name), name);
    putWideName(record + offsetof(VIZDevRecord, wide_name), sizeof(VIZDevRecord::wide_name), name);
    putLe16(record + offsetof(VIZDevRecord, end_mark), VIZ_END_MARK);
}

} // namespace

void writeRecords(std::span<const FoundCard> cards, VIZDevRecord* records) {
    unsigned char* bytes = reinterpret_cast<unsigned char*>(records);
    for (const FoundCard& card : cards) {
        writeRecord(card, bytes);
        bytes += sizeof(VIZDevRecord);
    }
}

} // namespace dedozovaz
