// Every row of the catalogue against a copy of its tables typed independently of the code, so a
// slip in any row (a label, a rate, a port count) fails here.

#include "revorur/devices/catalogue/capabilities.h"
#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/catalogue/categories.h"
#include "revorur/devices/catalogue/code_texts.h"
#include "revorur/devices/catalogue/subtype_groups.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace doz::catalogue {
namespace {

struct TypeRow {
    int code;
    const char* label;
    const char* description;
    PanelKind panel;
    int subTypeGroup;
    AliasDialogKind aliasDialog;
    bool calibration;
};

struct AnalogRow {
    int code;
    int channels;
    std::vector<int> modes;
    std::vector<int> ranges;
    std::vector<int> references;
    double maxRate;
    int aoChannels; // generic record only
    int diPorts;    // multifunction record only
    int doPorts;
};

struct PortRow {
    int code;
    int diPorts;
    int doPorts;
};

struct ModelRow {
    int category;
    std::vector<std::string> models;
};

struct CodeText {
    int code;
    const char* text;
};

struct GroupRow {
    int head;
    std::vector<SubTypeItem> dialog;
    std::vector<SubTypeItem> aliasDialog;
    std::vector<SubTypeItem> aliasOrder;
};

// Type codes: label, description, panel, head of the sub-type dialog shown first, alias dialog,
// calibration.
const TypeRow kTypeRows[] = {
    {1, "Virtual Device (Pesudo Signal)", "", PanelKind::VirtualDevice, 0, AliasDialogKind::Generic, false},
    {10, "PCI-A120V or cPCI-A120V", "8/16-CH 16-Bit Analog Output Modules", PanelKind::Axxx, 10,
     AliasDialogKind::A120, false},
    {20, "PCI-A120A or cPCI-A120A", "8/16-CH 16-Bit Analog Output Modules", PanelKind::Axxx, 10,
     AliasDialogKind::A120, false},
    {30, "PCI-A125V or cPCI-A125V", "8/16-CH 16-Bit Analog Output Modules", PanelKind::Axxx, 10,
     AliasDialogKind::A120, false},
    {40, "PCI-A130V", "8-CH 12-Bit Isolated Analog Output Cards", PanelKind::Axxx, 40,
     AliasDialogKind::Generic, false},
    {50, "PCI-A130A", "8-CH 12-Bit Isolated Analog Output Cards", PanelKind::Axxx, 40,
     AliasDialogKind::Generic, false},
    {60, "PCI-D210 or cPCI-D210", "12 MB/s High Speed 32-CH DI & 32-CH DIO Module", PanelKind::D210, 0,
     AliasDialogKind::Generic, false},
    {80, "PCI-D220 or cPCI-D220", "32-CH Isolated DIO Cards / Low-Profiles PCI Card", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {90, "PCI-D223", "32-CH Isolated DIO Cards / Low-Profiles PCI Card", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {100, "PCI-D224", "32-CH Isolated DIO Cards / Low-Profiles PCI Card", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {110, "PCI-D215", "24-CH Opto-22 Compatible DIO Card", PanelKind::Dxxx, 0, AliasDialogKind::Generic,
     false},
    {120, "PCI-D230 or cPCI-D230", "48-CH Opto-22 Compatible DIO Card", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {130, "cPCI-D231R", "48-CH DIO & Timer / Counter Modules", PanelKind::Dxxx, 0, AliasDialogKind::Generic,
     false},
    {140, "PCI-D235", "8-CH Relay Output & 8-CH Isolated DI Cards / Low-Profile PCI Card", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {150, "PCI-D236", "", PanelKind::Dxxx, 0, AliasDialogKind::Generic, false},
    {160, "cPCI-D237", "8-CH Relay Outputs & 16-CH Isolated DI Module", PanelKind::None, 0,
     AliasDialogKind::Generic, false},
    {170, "PCI-D240", "16-CH Latching Relay Outputs & 16-CH Isolated DI Card", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {180, "PCI-D242", "32-CH PhotoMos Relay Outputs & 2-CH Isolated DI Card", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {190, "PCI-D245", "8-CH High-Power Relay Outputs & 8-CH Isolated Digital Inputs Card", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {200, "PCI-D250", "96-CH Opto-22 Compatible DIO Card", PanelKind::Dxxx, 0, AliasDialogKind::Generic,
     false},
    {210, "PCI-D265", "96/48-CH High-Dribing DIO Card", PanelKind::Dxxx, 0, AliasDialogKind::Generic, false},
    {220, "PCI-D270", "96-CH High-Dribing DIO Card", PanelKind::Dxxx, 0, AliasDialogKind::Generic, false},
    {230, "PCI-D260A Revision A", "80 MB/s High-Speed 32-CH Digital I/O Card", PanelKind::D260, 0,
     AliasDialogKind::Generic, false},
    {240, "PCI-D260A or cPCI-D260", "80 MB/s High-Speed 32-CH Digital I/O Card", PanelKind::D260, 0,
     AliasDialogKind::Generic, false},
    {250, "PCI-D280 or cPCI-D280", "64-CH Isolated Digital I/O Modules", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {260, "PCI-D281 or cPCI-D281", "64-CH Isolated Digital I/O Modules", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {270, "PCI-D282 or cPCI-D282", "64-CH Isolated Digital I/O Modules", PanelKind::Dxxx, 0,
     AliasDialogKind::Generic, false},
    {280, "", "High-density 128-CH Isolated DIO/DI/DO Card", PanelKind::Dxxx, 0, AliasDialogKind::Generic,
     false},
    {290, "", "High-density 128-CH Isolated DIO/DI/DO Card", PanelKind::Dxxx, 0, AliasDialogKind::Generic,
     false},
    {300, "", "High-density 128-CH Isolated DIO/DI/DO Card", PanelKind::Dxxx, 0, AliasDialogKind::Generic,
     false},
    {310, "", "128-CH Isolated DI & 128-CH Isolated DO Module", PanelKind::Dxxx, 0, AliasDialogKind::Generic,
     false},
    {320, "PCI-T310 or cPCI-T310", "12-CH 16-Bit Timer/Counter & Digital I/O Modules", PanelKind::T310, 0,
     AliasDialogKind::Generic, false},
    {330, "PCI-M610DG", "16-CH 12/16-Bit 100 kS/s Low-Cost Multi-Function DAQ Cards", PanelKind::Mxxx, 330,
     AliasDialogKind::M610, false},
    {340, "PCI-M610HR", "16-CH 12/16-Bit 100 kS/s Low-Cost Multi-Function DAQ Cards", PanelKind::Mxxx, 330,
     AliasDialogKind::M610, false},
    {350, "PCI-M620 or cPCI-M620", "16-CH 12-Bit 250 kS/s Multi-Function DAQ Module", PanelKind::Mxxx, 0,
     AliasDialogKind::Generic, false},
    {360, "PCI-M630", "32-CH 12-Bit 100 kS/s Isolated Analog Input Card", PanelKind::Mxxx, 0,
     AliasDialogKind::Generic, false},
    {370, "PCI-M640DG", "32-CH 16-Bit 250 kS/s Multi-Function DAQ Card", PanelKind::Mxxx, 370,
     AliasDialogKind::M640, false},
    {380, "PCI-M640HG", "32-CH 16-Bit 250 kS/s Multi-Function DAQ Card", PanelKind::Mxxx, 370,
     AliasDialogKind::M640, false},
    {390, "PCI-M640A_DG", "32-CH 16-Bit 250 kS/s Multi-Function DAQ Card", PanelKind::Mxxx, 370,
     AliasDialogKind::M640, false},
    {400, "PCI-M640A_HG", "32-CH 16-Bit 250 kS/s Multi-Function DAQ Card", PanelKind::Mxxx, 370,
     AliasDialogKind::M640, false},
    {410, "PCI-M650 or cPCI-M650", "64-CH 16-Bit 250 kS/s Multi-Function DAQ Module", PanelKind::Mxxx, 0,
     AliasDialogKind::Generic, false},
    {420, "PCI-M660DG", "16-CH 12/16 Bit Up to 333 kS/s Analog Input Card", PanelKind::Mxxx, 420,
     AliasDialogKind::M660, false},
    {430, "PCI-M660HG", "16-CH 12/16 Bit Up to 333 kS/s Analog Input Card", PanelKind::Mxxx, 420,
     AliasDialogKind::M660, false},
    {440, "PCI-M660HR", "16-CH 12/16 Bit Up to 333 kS/s Analog Input Card", PanelKind::Mxxx, 420,
     AliasDialogKind::M660, false},
    {450, "", "Low-Cost 16-Bit Multi-Function DAQ Card with 2-CH Encoder Input", PanelKind::Mxxx, 0,
     AliasDialogKind::Generic, false},
    {460, "PCI-S710", "4-CH 12-Bit 20 MS/s Simultaneous-Sampling Analog Input Card", PanelKind::Mxxx, 470,
     AliasDialogKind::S720, false},
    {470, "PCI-S720", "4-CH 12-Bit 20 MS/s Simultaneous-Sampling Analog Input Card", PanelKind::Mxxx, 470,
     AliasDialogKind::S720, false},
    {480, "PCI-S720A", "", PanelKind::None, 0, AliasDialogKind::S720, false},
    {500, "", "4-CH 16-Bit Analog Output & 32-CH Isolation DIO Card", PanelKind::A110, 0,
     AliasDialogKind::Generic, false},
    {501, "", "24-Bit Precision Load Cell Input Card", PanelKind::M680, 0, AliasDialogKind::Generic, false},
    {1000, "PCI-S730 or PXI-S730", "2-CH Up to 130 MS/s 14-Bit Digitizer with SDRAM", PanelKind::Mxxx, 0,
     AliasDialogKind::Generic, false},
    {1510, "DAQ-E410 or PXI-E410", "4-CH 16-Bit 500 kS/s Simultaneous-Sampling Multi-Function PXI Module",
     PanelKind::Generic, 0, AliasDialogKind::Generic, true},
    {1520, "DAQ-E415 or PXI-E415", "4-CH 16-Bit 250 kS/s Simultaneous-Sampling Multi-Function PXI Module",
     PanelKind::Generic, 0, AliasDialogKind::Generic, true},
    {1530, "DAQ-E420 or PXI-E420", "4-CH 16-Bit 2 MS/s Simultaneous-Sampling Multi-Function PXI Module",
     PanelKind::Generic, 0, AliasDialogKind::Generic, true},
    {1540, "DAQ-E425 or PXI-E425", "4-CH 16-Bit 800 kS/s Simultaneous-Sampling Multi-Function PXI Module",
     PanelKind::Generic, 0, AliasDialogKind::Generic, true},
    {1550, "DAQ-E430 or PXI-E430", "64-CH 12-Bit Up to 3 MS/s Multi-Function DAQ Cards", PanelKind::Generic,
     0, AliasDialogKind::Generic, true},
    {1560, "DAQ-E435 or PXI-E435", "64-CH 16-Bit Up to 500 kS/s Multi-Function DAQ Cards", PanelKind::Generic,
     0, AliasDialogKind::Generic, true},
    {1570, "DAQ-E440 or PXI-E440", "64-CH 16-Bit Up to 250 kS/s Multi-Function DAQ Cards", PanelKind::Generic,
     0, AliasDialogKind::Generic, true},
    {1580, "DAQ-E445 or PXI-E445", "96-CH 12-Bit 3 MS/s Ultra High-Densuty Analog Input PXI Module",
     PanelKind::Generic, 0, AliasDialogKind::Generic, true},
    {1590, "DAQ-E450 or PXI-E450", "16-CH 16-Bit 250 kS/s Low-Cost Multi-Function DAQ Card w/o Analog Output",
     PanelKind::Generic, 0, AliasDialogKind::Generic, true},
    {1600, "DAQ-E455 or PXI-E455", "16-CH 16-Bit 250 kS/s Low-Cost Multi-Function DAQ Card w/o Analog Output",
     PanelKind::Generic, 0, AliasDialogKind::Generic, true},
    {1610, "DAQ-E460 or PXI-E460", "4-CH 12-Bit 1 MS/s Simultaneous-Sampling Analog Input Card",
     PanelKind::Generic, 0, AliasDialogKind::Generic, true},
    {1620, "DAQ-E465 or PXI-E465", "8-CH 12-Bit 1 MS/s Simultaneous-Sampling Analog Input Card",
     PanelKind::Generic, 0, AliasDialogKind::Generic, true},
};

// The analog part of the capability records. Code 360 offers all six ranges it stores. -1: the
// record has no such field.
const AnalogRow kAnalogRows[] = {
    {1, 4, {0, 1}, {201, 202}, {301}, 100'000, 2, -1, -1},
    {1510, 4, {0, 1}, {201, 202, 203, 205}, {301}, 500'000, 2, -1, -1},
    {1520, 4, {0, 1}, {201, 202, 203, 205}, {301}, 250'000, 2, -1, -1},
    {1530, 4, {0, 1}, {201, 202, 203, 205}, {301}, 2'000'000, 2, -1, -1},
    {1540, 4, {0, 1}, {201, 202, 203, 205}, {301}, 800'000, 2, -1, -1},
    {1550, 64, {0, 1}, {201, 202, 203, 205}, {300, 301, 302}, 3'000'000, 2, -1, -1},
    {1560, 64, {0, 1}, {201, 202, 203, 205}, {300, 301, 302}, 500'000, 2, -1, -1},
    {1570, 64, {0, 1}, {201, 202, 203, 205}, {300, 301, 302}, 250'000, 2, -1, -1},
    {1580, 96, {0, 1}, {201, 202, 203, 205}, {300, 301, 302}, 3'000'000, 0, -1, -1},
    {1590, 16, {0, 1}, {201, 202, 203, 205}, {300, 301, 302}, 250'000, 0, -1, -1},
    {1600, 16, {0, 1}, {201, 202, 203, 205}, {300, 301, 302}, 250'000, 2, -1, -1},
    {1610, 8, {0, 1}, {201}, {300}, 400'000, 8, -1, -1},
    {1620, 4, {0, 1}, {201}, {300}, 400'000, 4, -1, -1},
    {330, 16, {0, 1}, {201, 202, 203, 205, 207}, {300}, 100'000, -1, 1, 1},
    {340, 16, {0, 1}, {201, 202, 203, 205, 207}, {300}, 100'000, -1, 1, 1},
    {350, 16, {0, 1}, {201, 202, 203, 205, 207}, {300, 301}, 110'000, -1, 1, 1},
    {360, 32, {0, 1}, {201, 202, 206, 208, 212, 213}, {300, 301}, 100'000, -1, 0, 0},
    {370, 32, {0, 1}, {201, 202, 203, 205}, {300, 301}, 100'000, -1, 1, 1},
    {380, 32, {0, 1}, {201, 206, 212}, {300, 301}, 100'000, -1, 1, 1},
    {390, 32, {0, 1}, {201, 202, 203, 205}, {300, 301}, 250'000, -1, 1, 1},
    {400, 32, {0, 1}, {201, 206, 212}, {300, 301}, 250'000, -1, 1, 1},
    {410, 64, {0, 1}, {202, 203, 205}, {300, 301}, 250'000, -1, 1, 1},
    {420, 16, {0, 1}, {202, 203, 205, 207}, {300, 301}, 333'000, -1, 1, 1},
    {430, 16, {0, 1}, {202, 208, 213}, {300, 301}, 333'000, -1, 1, 1},
    {440, 16, {0, 1}, {202, 203, 205, 207}, {300, 301}, 100'000, -1, 1, 1},
    {450, 16, {0, 1}, {202, 206, 208, 211}, {300, 301}, 250'000, -1, 1, 1},
    {460, 1, {0}, {202, 206}, {301}, 20'000'000, -1, 0, 0},
    {470, 1, {0}, {202, 206}, {301}, 20'000'000, -1, 0, 0},
    {1000, 2, {0}, {202, 206}, {301}, 60'000'000, -1, 0, 0},
};

// The digital records: input and output port counts.
const PortRow kPortRows[] = {
    {80, 1, 1},  {190, 1, 1},   {90, 1, 0},  {200, 12, 12}, {100, 0, 1}, {210, 6, 6},
    {110, 3, 3}, {220, 12, 12}, {120, 6, 6}, {250, 1, 1},   {130, 6, 6}, {260, 2, 0},
    {140, 1, 1}, {270, 0, 2},   {150, 4, 4}, {280, 6, 6},   {160, 1, 1}, {290, 10, 2},
    {170, 1, 1}, {300, 2, 10},  {180, 1, 1}, {310, 0, 4},
};

const char* const kCategoryNames[] = {
    "Analog Output Modules", "Digital I/O Modules",   "Digitizer Modules",
    "GPIB Modules",          "Multifunction Modules", "Simultaneous Modules",
    "Switch Modules",        "Timer/Counter Modules", "Uncategorized Modules",
};

// Model numbers of each category; every other text is uncategorized.
const ModelRow kModelRows[] = {
    {0, {"A110", "A120", "A125", "A130"}},
    {1, {"D210", "D215", "D220", "D223", "D224", "D230", "D231", "D235", "D237", "D240", "D242", "D245",
         "D250", "D260", "D265", "D267", "D270", "D280", "D281", "D282", "D290", "D291", "D292", "D295"}},
    {2, {"S710", "S720", "S722", "S730", "S735", "S740"}},
    {4,
     {"E430", "E435", "E440", "E445", "E450", "E455", "E460", "E465", "M610", "M620", "M630", "M640", "M650",
      "M660", "M670", "M672", "M674", "M680"}},
    {5, {"E410", "E415", "E420", "E425"}},
    {7, {"T310"}},
};

const CodeText kRangeTexts[] = {
    {201, "+/- 10V"},     {202, "+/- 5V"},    {203, "+/- 2.5V"},   {204, "+/- 2V"},
    {205, "+/- 1.25V"},   {206, "+/- 1V"},    {207, "+/- 0.625V"}, {208, "+/- 0.5V"},
    {209, "+/- 0.3125V"}, {210, "+/- 0.25V"}, {211, "+/- 0.2V"},   {212, "+/- 0.1"},
    {213, "+/- 0.05"},    {214, "+/- 0.01"},  {215, "+/- 0.005"},  {216, "+/- 0.001"},
};

const GroupRow kGroupRows[] = {
    {10,
     {{10, "A120V"}, {20, "A120A"}, {30, "A125"}},
     {{10, "A120V"}, {20, "A120A"}, {30, "A125V"}},
     {{10, "A120V"}, {20, "A120A"}, {30, "A125V"}}},
    {40, {{40, "A130V"}, {50, "A130A"}}, {}, {}},
    {330,
     {{330, "M610DG"}, {340, "M610HR"}},
     {{330, "M610DG"}, {340, "M610HR"}},
     {{330, "M610DG"}, {340, "M610HR"}}},
    {370,
     {{370, "M640-DG"}, {380, "M640-HG"}, {390, "M640A-DG"}, {400, "M640A-HG"}},
     {{370, "M640DG"}, {380, "M640HG"}, {390, "M640ADG"}, {400, "M640AHG"}},
     {{370, "M640DG"}, {380, "M640HG"}, {390, "M640ADG"}, {400, "M640AHG"}}},
    {420,
     {{420, "M660DG"}, {430, "M660HG"}, {440, "M660HR"}},
     {{420, "M660DG"}, {430, "M660HG"}, {440, "M660HR"}},
     {{420, "M660DG"}, {430, "M660HG"}, {440, "M660HR"}}},
    {470,
     {{460, "S710"}, {470, "S720"}},
     {{460, "S710"}, {470, "S720"}, {480, "S720A"}},
     {{470, "S720"}, {460, "S710"}, {480, "S720A"}}},
};

template <typename T> std::vector<int> listOf(const T* values, int count) {
    return std::vector<int>(values, values + count);
}

std::vector<std::pair<int, std::string>> itemsOf(std::span<const SubTypeItem> items) {
    std::vector<std::pair<int, std::string>> out;
    for (const SubTypeItem& i : items)
        out.emplace_back(i.code, std::string(i.label));
    return out;
}

std::vector<std::pair<int, std::string>> itemsOf(const std::vector<SubTypeItem>& items) {
    return itemsOf(std::span<const SubTypeItem>(items));
}

const AnalogRow* analogRowOf(int code) {
    for (const AnalogRow& row : kAnalogRows)
        if (row.code == code)
            return &row;
    return nullptr;
}

} // namespace

TEST(CatalogueRows, EveryTypeCodeAndNoOther) {
    ASSERT_EQ(AllCardTypes().size(), std::size(kTypeRows));
    for (const TypeRow& row : kTypeRows) {
        SCOPED_TRACE(row.code);
        const CardType* type = FindCardType(row.code);
        ASSERT_NE(type, nullptr);
        EXPECT_EQ(DeviceLabelOfType(row.code), row.label);
        EXPECT_EQ(DescriptionOfType(row.code), row.description);
        EXPECT_EQ(PanelOfType(row.code), row.panel);
        EXPECT_EQ(type->subTypeGroup, row.subTypeGroup);
        EXPECT_EQ(AliasDialogOfType(row.code), row.aliasDialog);
        EXPECT_EQ(HasCalibration(row.code), row.calibration);
        EXPECT_EQ(CapabilityCodeOfType(row.code), row.code == 140 ? 150 : row.code);
    }
}

TEST(CatalogueRows, EveryAnalogCapability) {
    for (const AnalogRow& row : kAnalogRows) {
        SCOPED_TRACE(row.code);
        const bool generic = row.aoChannels >= 0;
        const AiCapability ai = generic ? BuildGenericCardCaps(row.code).ai : BuildAiCardCaps(row.code).ai;
        EXPECT_EQ(ai.channelCount, row.channels);
        EXPECT_EQ(listOf(ai.modes, ai.modeCount), row.modes);
        EXPECT_EQ(listOf(ai.ranges, ai.rangeCount), row.ranges);
        EXPECT_EQ(listOf(ai.references, ai.referenceCount), row.references);
        EXPECT_DOUBLE_EQ(ai.maxRate, row.maxRate);
        if (generic) {
            const GenericCardCaps caps = BuildGenericCardCaps(row.code);
            EXPECT_EQ(caps.aoChannelCount, row.aoChannels);
            ASSERT_EQ(caps.dio.portCount, 3);
            EXPECT_EQ(listOf(caps.dio.widths, 3), (std::vector<int>{8, 8, 8}));
        } else {
            const AiCardCaps caps = BuildAiCardCaps(row.code);
            EXPECT_EQ(caps.di.portCount, row.diPorts);
            EXPECT_EQ(caps.dO.portCount, row.doPorts);
        }
    }
}

TEST(CatalogueRows, EveryDigitalRecordAndTheDefaultsOfOtherCodes) {
    for (const PortRow& row : kPortRows) {
        SCOPED_TRACE(row.code);
        const DioCardCaps caps = BuildDioCardCaps(row.code);
        EXPECT_EQ(caps.typeCode, row.code);
        EXPECT_EQ(caps.di.portCount, row.diPorts);
        EXPECT_EQ(caps.dO.portCount, row.doPorts);
    }
    // Codes without analog values get the defaults: no channels, modes 0 and 1, reference 301.
    for (const TypeRow& row : kTypeRows) {
        if (analogRowOf(row.code))
            continue;
        SCOPED_TRACE(row.code);
        const AiCapability ai = BuildAiCardCaps(row.code).ai;
        EXPECT_EQ(ai.channelCount, 0);
        EXPECT_EQ(listOf(ai.modes, ai.modeCount), (std::vector<int>{0, 1}));
        EXPECT_EQ(ai.rangeCount, 0);
        EXPECT_EQ(listOf(ai.references, ai.referenceCount), (std::vector<int>{301}));
        EXPECT_DOUBLE_EQ(ai.maxRate, 100'000);
        EXPECT_EQ(BuildGenericCardCaps(row.code).aoChannelCount, 0);
        EXPECT_EQ(BuildGenericCardCaps(row.code).dio.portCount, 0);
    }
}

TEST(CatalogueRows, EveryCategoryAndModelNumber) {
    for (int i = 0; i < CategoryCount; ++i)
        EXPECT_EQ(CategoryName(i), kCategoryNames[i]) << i;
    EXPECT_EQ(CategoryName(CategoryCount), "");
    for (const ModelRow& row : kModelRows)
        for (const std::string& model : row.models) {
            EXPECT_EQ(CategoryOfModel(model), row.category) << model;
            EXPECT_EQ(CategoryOfModel("PCI-" + model), UncategorizedCategory) << "whole-text match only";
        }
    for (const char* other : {"D236", "G810", "R910", "R920", "R930", "Virt", "", "m610"})
        EXPECT_EQ(CategoryOfModel(other), UncategorizedCategory) << other;
}

TEST(CatalogueRows, EveryCodeText) {
    for (const CodeText& row : kRangeTexts)
        EXPECT_EQ(RangeText(row.code), row.text) << row.code;
    EXPECT_EQ(RangeText(200), "");
    EXPECT_EQ(RangeText(217), "");
    EXPECT_EQ(ReferenceText(300), "Reference Single Ended");
    EXPECT_EQ(ReferenceText(301), "Differential");
    EXPECT_EQ(ReferenceText(302), "Non Reference Single Ended");
    EXPECT_EQ(ReferenceText(303), "");
    EXPECT_EQ(AiModeText(0), "Continue AI");
    EXPECT_EQ(AiModeText(1), "Single Value");
    EXPECT_EQ(AiModeText(2), "");
}

TEST(CatalogueRows, EverySubTypeGroup) {
    ASSERT_EQ(AllSubTypeGroups().size(), std::size(kGroupRows));
    for (const GroupRow& row : kGroupRows) {
        SCOPED_TRACE(row.head);
        const SubTypeGroup* group = SubTypeGroupOf(row.head);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->head, row.head);
        EXPECT_EQ(itemsOf(group->dialog), itemsOf(row.dialog));
        EXPECT_EQ(itemsOf(group->aliasDialog), itemsOf(row.aliasDialog));
        EXPECT_EQ(itemsOf(group->aliasOrder), itemsOf(row.aliasOrder));
    }
}

} // namespace doz::catalogue
