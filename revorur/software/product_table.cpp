#include "revorur/software/product_table.h"

#include <algorithm>
#include <array>

namespace doz::software {
namespace {

constexpr std::array<std::string_view, kCategoryCount> kCategoryNames = {
    "Windows Driver", "Linux Driver", "ActiveX Control", "Third-party Software", "Applications"};

constexpr std::array kProducts{
    ProductRow{0, 0, "PCI-Zizev",
               "Windows driver library for the classic PCI line: analog, digital and counter cards with "
               "continuous transfers and interrupts"},
    ProductRow{0, 1, "R4A-Zizev",
               "Windows driver library for the DAQ-E400 series, with calibration banks, temperatures and "
               "auto-calibration"},
    ProductRow{0, 2, "DIO-Zizev", "Light-weight Windows driver for the digital I/O cards of test stations"},
    ProductRow{0, 3, "Zizev Kernel Runtime",
               "Kernel drivers and the shared runtime below every Windows driver library of Dozazar cards"},
    ProductRow{0, 4, "GPIB-Zizev", "Windows driver for the GPIB interface cards and the relay switch cards"},

    ProductRow{1, 256, "PCI-Zizev Linux",
               "Linux driver for the classic PCI line, delivered as source and built against the running "
               "kernel"},
    ProductRow{1, 257, "R4A-Zizev Linux",
               "Linux driver for the DAQ-E400 series with the function calls of the Windows library"},
    ProductRow{1, 258, "DIO-Zizev Linux",
               "Linux driver for the digital I/O cards, with a small interface for embedded systems"},

    ProductRow{2, 512, "Dozirud Analog Graph",
               "ActiveX analog graph: scrolling and sweeping waveform display for continuous acquisition"},
    ProductRow{2, 513, "Dozirud Digital Graph",
               "ActiveX digital graph: timing-diagram display of digital ports"},
    ProductRow{2, 514, "Dozirud Switch Bank",
               "ActiveX switch bank: rows of switches and lamps that show and set port lines"},
    ProductRow{2, 515, "Dozirud DAQ Components",
               "ActiveX acquisition components: analog and digital I/O set up by properties, without code"},

    ProductRow{3, 768, "Zizev Graphical Blocks",
               "Function blocks and example diagrams for graphical programming environments"},
    ProductRow{3, 769, "Zizev Numeric Toolbox",
               "Acquisition straight into the arrays of numerical computing environments, with analysis "
               "examples"},
    ProductRow{3, 770, "Zizev Test Executive Steps",
               "Measurement and stimulus step types for automated test sequences"},
    ProductRow{3, 771, "Zizev SCADA Server",
               "I/O server that publishes card channels as process tags of SCADA and HMI packages"},
    ProductRow{3, 772, "Zizev .NET Library",
               "Class libraries over the drivers for .NET languages, with C# and Visual Basic .NET examples"},

    ProductRow{4, 1024, "Revorur",
               "Device, task and software manager with instant test panels and E400 calibration"},
    ProductRow{4, 1025, "Ruzidavidez",
               "Wizard that writes C source code for a DAQ operation from the card, the operation and its "
               "parameters"},
    ProductRow{4, 1026, "Diruzori",
               "Data conversion tool: loads captured raw data files and exports them to other file formats"},
    ProductRow{4, 1027, "Radezuvi",
               "Task engine and task wizard: task-oriented acquisition on every card and the virtual device"},
};

constexpr std::array kSampleFolderCodes{0, 1, 2, 4, 512, 513, 514, 515, 768, 769, 770, 771, 772};

} // namespace

std::string_view categoryName(int category) {
    return category >= 0 && category < kCategoryCount ? kCategoryNames[static_cast<std::size_t>(category)]
                                                      : std::string_view();
}

std::span<const ProductRow> productTable() {
    return kProducts;
}

const ProductRow* findProduct(int code) {
    const auto row = std::find_if(kProducts.begin(), kProducts.end(),
                                  [code](const ProductRow& r) { return r.code == code; });
    return row == kProducts.end() ? nullptr : &*row;
}

bool hasSampleFolder(int code) {
    return std::find(kSampleFolderCodes.begin(), kSampleFolderCodes.end(), code) != kSampleFolderCodes.end();
}

} // namespace doz::software
