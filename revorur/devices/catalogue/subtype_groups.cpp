#include "subtype_groups.h"

#include <algorithm>

namespace doz::catalogue {
namespace {

constexpr SubTypeItem a120Dialog[] = {{10, "A120V"}, {20, "A120A"}, {30, "A125"}};
constexpr SubTypeItem a120Alias[] = {{10, "A120V"}, {20, "A120A"}, {30, "A125V"}};
constexpr SubTypeItem a130Dialog[] = {{40, "A130V"}, {50, "A130A"}};
constexpr SubTypeItem m610Items[] = {{330, "M610DG"}, {340, "M610HR"}};
constexpr SubTypeItem m640Dialog[] = {
    {370, "M640-DG"}, {380, "M640-HG"}, {390, "M640A-DG"}, {400, "M640A-HG"}};
constexpr SubTypeItem m640Alias[] = {{370, "M640DG"}, {380, "M640HG"}, {390, "M640ADG"}, {400, "M640AHG"}};
constexpr SubTypeItem m660Items[] = {{420, "M660DG"}, {430, "M660HG"}, {440, "M660HR"}};
constexpr SubTypeItem s720Dialog[] = {{460, "S710"}, {470, "S720"}};
constexpr SubTypeItem s720AliasDialog[] = {{460, "S710"}, {470, "S720"}, {480, "S720A"}};
constexpr SubTypeItem s720AliasOrder[] = {{470, "S720"}, {460, "S710"}, {480, "S720A"}};

constexpr SubTypeGroup groups[] = {
    {10, "A120", a120Dialog, a120Alias, a120Alias},
    {40, "A130", a130Dialog, {}, {}},
    {330, "M610", m610Items, m610Items, m610Items},
    {370, "M640", m640Dialog, m640Alias, m640Alias},
    {420, "M660", m660Items, m660Items, m660Items},
    {470, "S720", s720Dialog, s720AliasDialog, s720AliasOrder},
};

bool contains(std::span<const SubTypeItem> items, int code) {
    return std::any_of(items.begin(), items.end(), [code](const SubTypeItem& i) { return i.code == code; });
}

} // namespace

std::span<const SubTypeGroup> AllSubTypeGroups() {
    return groups;
}

const SubTypeGroup* SubTypeGroupOf(int typeCode) {
    for (const auto& g : groups)
        if (contains(g.dialog, typeCode) || contains(g.aliasDialog, typeCode))
            return &g;
    return nullptr;
}

int GroupHeadOf(int typeCode) {
    const SubTypeGroup* g = SubTypeGroupOf(typeCode);
    return g ? g->head : typeCode;
}

std::string_view AliasTreeLabelOf(int typeCode) {
    const SubTypeGroup* g = SubTypeGroupOf(typeCode);
    if (!g)
        return {};
    for (const auto& item : g->aliasOrder)
        if (item.code == typeCode)
            return item.label;
    return {};
}

} // namespace doz::catalogue
