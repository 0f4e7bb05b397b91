#pragma once
// The Alias tree: the installed cards, the cards that are not installed but keep an alias, and
// under each card its alias and, for the cards of a sub-type group, the sub-type of the alias.

#include "revorur/devices/alias_api.h"
#include "revorur/devices/engine_devices.h"

namespace doz::shell {
class TForm1;
}

namespace doz::devices {

// Reads the store at the form's AliasIniPath. Without the alias library the tree holds the
// cards only.
void BuildAliasTree(shell::TForm1& form, const EngineDevices& engine, const AliasApi& api);

} // namespace doz::devices
