#pragma once
// Which items of the Alias tree's pop-up menu a node offers. The menu decides by the node's
// record and whether its card is installed, never by its picture alone: "Uncategorized Modules"
// shows the virtual device's picture, and a card that is not installed may show the installed
// picture when another card of its model is installed.

namespace doz::devices {

struct AliasMenuItems {
    bool shown = false;
    bool add = false;
    bool edit = false;
    bool remove = false;
};

AliasMenuItems AliasMenuOf(int kind, bool hasChildren, bool cardInstalled);

} // namespace doz::devices
