#include "revorur/shell/content/content_pages.h"

#include <QDir>

#include <array>

namespace doz::revorur {
namespace {

// Every model the card catalogue places in a category, uncategorized ones included, in the
// catalogue's order.
constexpr std::array kModels = {
    "A110", "A120", "A125", "A130",                                                 // analog output
    "D210", "D215", "D220", "D223", "D224", "D230", "D231", "D235", "D237", "D240", // digital I/O
    "D242", "D245", "D250", "D260", "D265", "D267", "D270", "D280", "D281", "D282", //
    "D290", "D291", "D292", "D295",                                                 //
    "S710", "S720", "S722", "S730", "S735", "S740",                                 // digitizers
    "E430", "E435", "E440", "E445", "E450", "E455", "E460", "E465",                 // multifunction
    "M610", "M620", "M630", "M640", "M650", "M660", "M670", "M672", "M674", "M680", //
    "E410", "E415", "E420", "E425",                                                 // simultaneous
    "T310",                                                                         // timer/counter
    "D236", "G810", "R910", "R920", "R930",                                         // uncategorized
};

constexpr std::array kFixedPages = {
    "HW_SoftwareSelectionGuide.mht",  // tree roots and category nodes
    "VirtualDevice.mht",              // "Virtual Device" nodes
    "Virt.mht",                       // model rule on an installed virtual-device entry
    "Unca.mht",                       // model rule on the All tree's "Uncategorized Modules"
    "SW_SoftwareProductPage.htm",     // software pane, overview mode
    "SW_HardwareSupportList.htm",     // software pane, hardware support mode
    "VozizudOzadizezUzorurEraze.htm", // search-token pane
    "TechnicalSupportPage.mht",       // "&Technical Support"
};

const QString kModelPageSuffix = QStringLiteral(".mht");

} // namespace

const std::vector<QString>& contentModels() {
    static const std::vector<QString> models(kModels.begin(), kModels.end());
    return models;
}

const std::vector<QString>& knownContentPages() {
    static const std::vector<QString> pages = [] {
        std::vector<QString> all(kFixedPages.begin(), kFixedPages.end());
        for (const QString& model : contentModels()) {
            all.push_back(model + kModelPageSuffix);
        }
        return all;
    }();
    return pages;
}

QString contentPagePath(const QString& programFolder, const QString& page) {
    return QDir(programFolder).filePath(QStringLiteral("Content/") + page);
}

} // namespace doz::revorur
