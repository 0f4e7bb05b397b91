#include "card_types.h"

#include <algorithm>

namespace doz::catalogue {
namespace {

using P = PanelKind;
using A = AliasDialogKind;

constexpr std::string_view aoDesc = "8/16-CH 16-Bit Analog Output Modules";
constexpr std::string_view a130Desc = "8-CH 12-Bit Isolated Analog Output Cards";
constexpr std::string_view isoDioDesc = "32-CH Isolated DIO Cards / Low-Profiles PCI Card";
constexpr std::string_view highDrivingDesc = "96/48-CH High-Dribing DIO Card";
constexpr std::string_view d260Desc = "80 MB/s High-Speed 32-CH Digital I/O Card";
constexpr std::string_view d280Desc = "64-CH Isolated Digital I/O Modules";
constexpr std::string_view d290Desc = "High-density 128-CH Isolated DIO/DI/DO Card";
constexpr std::string_view m610Desc = "16-CH 12/16-Bit 100 kS/s Low-Cost Multi-Function DAQ Cards";
constexpr std::string_view m640Desc = "32-CH 16-Bit 250 kS/s Multi-Function DAQ Card";
constexpr std::string_view m660Desc = "16-CH 12/16 Bit Up to 333 kS/s Analog Input Card";
constexpr std::string_view s720Desc = "4-CH 12-Bit 20 MS/s Simultaneous-Sampling Analog Input Card";
constexpr std::string_view e450Desc =
    "16-CH 16-Bit 250 kS/s Low-Cost Multi-Function DAQ Card w/o Analog Output";

// Sorted by code.
constexpr CardType cardTypes[] = {
    {1, "Virtual Device (Pesudo Signal)", "", P::VirtualDevice, 0, A::Generic, false},
    {10, "PCI-A120V or cPCI-A120V", aoDesc, P::Axxx, 10, A::A120, false},
    {20, "PCI-A120A or cPCI-A120A", aoDesc, P::Axxx, 10, A::A120, false},
    {30, "PCI-A125V or cPCI-A125V", aoDesc, P::Axxx, 10, A::A120, false},
    {40, "PCI-A130V", a130Desc, P::Axxx, 40, A::Generic, false},
    {50, "PCI-A130A", a130Desc, P::Axxx, 40, A::Generic, false},
    {60, "PCI-D210 or cPCI-D210", "12 MB/s High Speed 32-CH DI & 32-CH DIO Module", P::D210, 0, A::Generic,
     false},
    {80, "PCI-D220 or cPCI-D220", isoDioDesc, P::Dxxx, 0, A::Generic, false},
    {90, "PCI-D223", isoDioDesc, P::Dxxx, 0, A::Generic, false},
    {100, "PCI-D224", isoDioDesc, P::Dxxx, 0, A::Generic, false},
    {110, "PCI-D215", "24-CH Opto-22 Compatible DIO Card", P::Dxxx, 0, A::Generic, false},
    {120, "PCI-D230 or cPCI-D230", "48-CH Opto-22 Compatible DIO Card", P::Dxxx, 0, A::Generic, false},
    {130, "cPCI-D231R", "48-CH DIO & Timer / Counter Modules", P::Dxxx, 0, A::Generic, false},
    {140, "PCI-D235", "8-CH Relay Output & 8-CH Isolated DI Cards / Low-Profile PCI Card", P::Dxxx, 0,
     A::Generic, false},
    {150, "PCI-D236", "", P::Dxxx, 0, A::Generic, false},
    {160, "cPCI-D237", "8-CH Relay Outputs & 16-CH Isolated DI Module", P::None, 0, A::Generic, false},
    {170, "PCI-D240", "16-CH Latching Relay Outputs & 16-CH Isolated DI Card", P::Dxxx, 0, A::Generic, false},
    {180, "PCI-D242", "32-CH PhotoMos Relay Outputs & 2-CH Isolated DI Card", P::Dxxx, 0, A::Generic, false},
    {190, "PCI-D245", "8-CH High-Power Relay Outputs & 8-CH Isolated Digital Inputs Card", P::Dxxx, 0,
     A::Generic, false},
    {200, "PCI-D250", "96-CH Opto-22 Compatible DIO Card", P::Dxxx, 0, A::Generic, false},
    {210, "PCI-D265", highDrivingDesc, P::Dxxx, 0, A::Generic, false},
    {220, "PCI-D270", "96-CH High-Dribing DIO Card", P::Dxxx, 0, A::Generic, false},
    {230, "PCI-D260A Revision A", d260Desc, P::D260, 0, A::Generic, false},
    {240, "PCI-D260A or cPCI-D260", d260Desc, P::D260, 0, A::Generic, false},
    {250, "PCI-D280 or cPCI-D280", d280Desc, P::Dxxx, 0, A::Generic, false},
    {260, "PCI-D281 or cPCI-D281", d280Desc, P::Dxxx, 0, A::Generic, false},
    {270, "PCI-D282 or cPCI-D282", d280Desc, P::Dxxx, 0, A::Generic, false},
    {280, "", d290Desc, P::Dxxx, 0, A::Generic, false},
    {290, "", d290Desc, P::Dxxx, 0, A::Generic, false},
    {300, "", d290Desc, P::Dxxx, 0, A::Generic, false},
    {310, "", "128-CH Isolated DI & 128-CH Isolated DO Module", P::Dxxx, 0, A::Generic, false},
    {320, "PCI-T310 or cPCI-T310", "12-CH 16-Bit Timer/Counter & Digital I/O Modules", P::T310, 0, A::Generic,
     false},
    {330, "PCI-M610DG", m610Desc, P::Mxxx, 330, A::M610, false},
    {340, "PCI-M610HR", m610Desc, P::Mxxx, 330, A::M610, false},
    {350, "PCI-M620 or cPCI-M620", "16-CH 12-Bit 250 kS/s Multi-Function DAQ Module", P::Mxxx, 0, A::Generic,
     false},
    {360, "PCI-M630", "32-CH 12-Bit 100 kS/s Isolated Analog Input Card", P::Mxxx, 0, A::Generic, false},
    {370, "PCI-M640DG", m640Desc, P::Mxxx, 370, A::M640, false},
    {380, "PCI-M640HG", m640Desc, P::Mxxx, 370, A::M640, false},
    {390, "PCI-M640A_DG", m640Desc, P::Mxxx, 370, A::M640, false},
    {400, "PCI-M640A_HG", m640Desc, P::Mxxx, 370, A::M640, false},
    {410, "PCI-M650 or cPCI-M650", "64-CH 16-Bit 250 kS/s Multi-Function DAQ Module", P::Mxxx, 0, A::Generic,
     false},
    {420, "PCI-M660DG", m660Desc, P::Mxxx, 420, A::M660, false},
    {430, "PCI-M660HG", m660Desc, P::Mxxx, 420, A::M660, false},
    {440, "PCI-M660HR", m660Desc, P::Mxxx, 420, A::M660, false},
    {450, "", "Low-Cost 16-Bit Multi-Function DAQ Card with 2-CH Encoder Input", P::Mxxx, 0, A::Generic,
     false},
    {460, "PCI-S710", s720Desc, P::Mxxx, 470, A::S720, false},
    {470, "PCI-S720", s720Desc, P::Mxxx, 470, A::S720, false},
    {480, "PCI-S720A", "", P::None, 0, A::S720, false},
    {500, "", "4-CH 16-Bit Analog Output & 32-CH Isolation DIO Card", P::A110, 0, A::Generic, false},
    {501, "", "24-Bit Precision Load Cell Input Card", P::M680, 0, A::Generic, false},
    {1000, "PCI-S730 or PXI-S730", "2-CH Up to 130 MS/s 14-Bit Digitizer with SDRAM", P::Mxxx, 0, A::Generic,
     false},
    {1510, "DAQ-E410 or PXI-E410", "4-CH 16-Bit 500 kS/s Simultaneous-Sampling Multi-Function PXI Module",
     P::Generic, 0, A::Generic, true},
    {1520, "DAQ-E415 or PXI-E415", "4-CH 16-Bit 250 kS/s Simultaneous-Sampling Multi-Function PXI Module",
     P::Generic, 0, A::Generic, true},
    {1530, "DAQ-E420 or PXI-E420", "4-CH 16-Bit 2 MS/s Simultaneous-Sampling Multi-Function PXI Module",
     P::Generic, 0, A::Generic, true},
    {1540, "DAQ-E425 or PXI-E425", "4-CH 16-Bit 800 kS/s Simultaneous-Sampling Multi-Function PXI Module",
     P::Generic, 0, A::Generic, true},
    {1550, "DAQ-E430 or PXI-E430", "64-CH 12-Bit Up to 3 MS/s Multi-Function DAQ Cards", P::Generic, 0,
     A::Generic, true},
    {1560, "DAQ-E435 or PXI-E435", "64-CH 16-Bit Up to 500 kS/s Multi-Function DAQ Cards", P::Generic, 0,
     A::Generic, true},
    {1570, "DAQ-E440 or PXI-E440", "64-CH 16-Bit Up to 250 kS/s Multi-Function DAQ Cards", P::Generic, 0,
     A::Generic, true},
    {1580, "DAQ-E445 or PXI-E445", "96-CH 12-Bit 3 MS/s Ultra High-Densuty Analog Input PXI Module",
     P::Generic, 0, A::Generic, true},
    {1590, "DAQ-E450 or PXI-E450", e450Desc, P::Generic, 0, A::Generic, true},
    {1600, "DAQ-E455 or PXI-E455", e450Desc, P::Generic, 0, A::Generic, true},
    {1610, "DAQ-E460 or PXI-E460", "4-CH 12-Bit 1 MS/s Simultaneous-Sampling Analog Input Card", P::Generic,
     0, A::Generic, true},
    {1620, "DAQ-E465 or PXI-E465", "8-CH 12-Bit 1 MS/s Simultaneous-Sampling Analog Input Card", P::Generic,
     0, A::Generic, true},
};

static_assert(std::is_sorted(std::begin(cardTypes), std::end(cardTypes),
                             [](const CardType& a, const CardType& b) { return a.code < b.code; }));

} // namespace

const CardType* FindCardType(int typeCode) {
    const auto it = std::lower_bound(std::begin(cardTypes), std::end(cardTypes), typeCode,
                                     [](const CardType& t, int code) { return t.code < code; });
    return it != std::end(cardTypes) && it->code == typeCode ? &*it : nullptr;
}

std::span<const CardType> AllCardTypes() {
    return cardTypes;
}

std::string_view DeviceLabelOfType(int typeCode) {
    const CardType* t = FindCardType(typeCode);
    return t ? t->label : std::string_view{};
}

std::string_view DescriptionOfType(int typeCode) {
    const CardType* t = FindCardType(typeCode);
    return t ? t->description : std::string_view{};
}

PanelKind PanelOfType(int typeCode) {
    const CardType* t = FindCardType(typeCode);
    return t ? t->panel : PanelKind::None;
}

AliasDialogKind AliasDialogOfType(int typeCode) {
    const CardType* t = FindCardType(typeCode);
    return t ? t->aliasDialog : AliasDialogKind::Generic;
}

bool HasCalibration(int typeCode) {
    const CardType* t = FindCardType(typeCode);
    return t && t->calibration;
}

// The D235 has no capability row of its own: its panel shows the D236's ports.
int CapabilityCodeOfType(int typeCode) {
    return typeCode == 140 ? 150 : typeCode;
}

} // namespace doz::catalogue
