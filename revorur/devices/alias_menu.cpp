#include "revorur/devices/alias_menu.h"

#include "revorur/devices/node_record.h"

namespace doz::devices {

AliasMenuItems AliasMenuOf(int kind, bool hasChildren, bool cardInstalled) {
    constexpr AliasMenuItems addOnly{true, true, false, false};
    constexpr AliasMenuItems editOrDelete{true, false, true, true};
    switch (kind) {
    case AliasInfoNode:
        return editOrDelete;
    case CardNode:
        if (!cardInstalled)
            return {true, false, false, hasChildren};
        return hasChildren ? editOrDelete : addOnly;
    case VirtualDeviceNode:
        return hasChildren ? AliasMenuItems{} : addOnly;
    default:
        return {};
    }
}

} // namespace doz::devices
