#pragma once
// Sub-type groups: card types the engine cannot tell apart, with the labels each dialog shows.

#include <span>
#include <string_view>

namespace doz::catalogue {

struct SubTypeItem {
    int code;
    std::string_view label;
};

struct SubTypeGroup {
    int head;
    std::string_view name;                    // "A120", "M640", ...
    std::span<const SubTypeItem> dialog;      // the test panel's sub-type dialog, in order
    std::span<const SubTypeItem> aliasDialog; // the alias dialog's "Sub Type" box; empty for none
    std::span<const SubTypeItem> aliasOrder;  // alias look-up order with the Alias tree's labels
};

std::span<const SubTypeGroup> AllSubTypeGroups();

// The group that holds a code (in any of its lists), or nullptr.
const SubTypeGroup* SubTypeGroupOf(int typeCode);

// The head of a code's group, or the code itself outside any group.
int GroupHeadOf(int typeCode);

// Alias-tree label of a sub-type code; empty outside the groups.
std::string_view AliasTreeLabelOf(int typeCode);

} // namespace doz::catalogue
