#pragma once
// Card type codes: label, description, test panel, alias dialog and calibration of each.

#include <span>
#include <string_view>

namespace doz::catalogue {

inline constexpr int VirtualDeviceType = 1;

// The test panel the device manager opens for a card type.
enum class PanelKind { None, Generic, VirtualDevice, Mxxx, M680, Axxx, A110, D210, D260, Dxxx, T310 };

// The alias dialog of a card type: the generic one, or a group dialog with a "Sub Type" box.
enum class AliasDialogKind { Generic, A120, M610, M640, M660, S720 };

struct CardType {
    int code;
    std::string_view label;
    std::string_view description;
    PanelKind panel;
    int subTypeGroup; // head code of the sub-type dialog shown before the panel, 0 for none
    AliasDialogKind aliasDialog;
    bool calibration;
};

// The row of a code, or nullptr when the catalogue does not list it.
const CardType* FindCardType(int typeCode);
std::span<const CardType> AllCardTypes();

std::string_view DeviceLabelOfType(int typeCode);
std::string_view DescriptionOfType(int typeCode);
PanelKind PanelOfType(int typeCode);
AliasDialogKind AliasDialogOfType(int typeCode);
bool HasCalibration(int typeCode);
// The code whose capability record the card's panel gets.
int CapabilityCodeOfType(int typeCode);

} // namespace doz::catalogue
