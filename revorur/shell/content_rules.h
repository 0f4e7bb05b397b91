#pragma once
// Which local page each content pane of the device manager shows for the selected node.
// Results are page file names inside the content folder; an empty name means no page.

#include <string>
#include <string_view>

namespace doz::shell {

inline constexpr std::string_view SelectionGuidePage = "HW_SoftwareSelectionGuide.mht";
inline constexpr std::string_view VirtualDevicePage = "VirtualDevice.mht";
inline constexpr std::string_view SearchTokenPage = "VozizudOzadizezUzorurEraze.htm";
inline constexpr std::string_view SoftwareProductPage = "SW_SoftwareProductPage.htm";
inline constexpr std::string_view TechnicalSupportPage = "TechnicalSupportPage.mht";

// The model rule: the node text's model number (four characters after the first "-", or the
// first four characters) followed by ".mht".
std::string ModelPage(std::string_view nodeText);

// The All pane and the Installed pane decide by the node's text.
std::string AllDevicePage(std::string_view nodeText);
std::string InstalledDevicePage(std::string_view nodeText);

// The Alias pane decides by the node's record kind (0 root, 1 category, 2 card, 3 virtual
// device, 4 alias or sub-type); kind-4 nodes use their parent card node.
struct AliasNode {
    int kind;
    std::string_view text;
    int parentKind;
    std::string_view parentText;
};
std::string AliasDevicePage(const AliasNode& node);

// Full path of a page in the content folder below the program folder, optionally with an
// "#anchor"; empty when the page is empty.
std::string ContentPath(std::string_view programFolder, std::string_view page);

} // namespace doz::shell
