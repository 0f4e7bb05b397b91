#include "revorur/software/software_manager.h"

#include "common/platform/launcher.h"
#include "revorur/shell/main_form.h"
#include "revorur/shell/tree_nodes.h"
#include "revorur/software/product_registry.h"
#include "revorur/software/product_table.h"
#include "revorur/software/software_node.h"
#include "revorur/software/update_request.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace doz::software {
namespace {

// Pictures of ImageList_Software.
constexpr int kRootPicture = 0;
constexpr int kCategoryPicture = 1;
constexpr int kInstalledPicture = 2;
constexpr int kMissingPicture = 3;

// The section of both product pages that belongs to each category.
constexpr std::array<std::string_view, kCategoryCount> kCategoryAnchors = {
    "#WindowsDrivers", "#LinuxDrivers", "#ComponentwareActiveXControl", "#ThirdPartySoftwareSupport",
    "#ProprietaryApplications"};

// The page of each page mode: 0 the software overview, 1 the hardware support list.
constexpr std::array<std::string_view, 2> kModePages = {"SW_SoftwareProductPage.htm",
                                                        "SW_HardwareSupportList.htm"};

struct FunctionEntry {
    const char* button;
    void (SoftwareManager::*handler)();
};

constexpr std::array kFunctions{
    FunctionEntry{"BitBtn_SoftOverview", &SoftwareManager::BitBtn_SoftOverviewClick},
    FunctionEntry{"BitBtn_SoftHwSupport", &SoftwareManager::BitBtn_SoftHwSupportClick},
    FunctionEntry{"BitBtn_SoftRefresh", &SoftwareManager::BitBtn_SoftRefreshClick},
    FunctionEntry{"BitBtn_UpdateWizard", &SoftwareManager::BitBtn_UpdateWizardClick},
    FunctionEntry{"BitBtn_SoftSample", &SoftwareManager::BitBtn_SoftSampleClick},
    FunctionEntry{"BitBtn_Ruzidavidez", &SoftwareManager::BitBtn_RuzidavidezClick},
    FunctionEntry{"BitBtn_DataConversion", &SoftwareManager::BitBtn_DataConversionClick},
};

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

SoftwareManager::SoftwareManager(shell::TForm1& form) : form_(form) {
    form_.hooks.buildSoftwareTree = [this](shell::TForm1&) { BuildSoftwareTree(); };
    for (const FunctionEntry& f : kFunctions)
        form_.SetFunctionAction(f.button, [this, handler = f.handler] { (this->*handler)(); });
    selectionChanged_ = QObject::connect(form_.TreeView_Software, &QTreeWidget::currentItemChanged,
                                         [this] { TreeView_SoftwareChange(); });
}

SoftwareManager::~SoftwareManager() {
    QObject::disconnect(selectionChanged_);
    form_.hooks.buildSoftwareTree = nullptr;
    for (const FunctionEntry& f : kFunctions)
        form_.SetFunctionAction(f.button, nullptr);
}

// The rebuild keeps the selection handler quiet: the product boxes keep their texts and the
// callers navigate the pane themselves.
void SoftwareManager::BuildSoftwareTree() {
    QTreeWidget* tree = form_.TreeView_Software;
    const QSignalBlocker quiet(tree);
    tree->clear();

    auto* root = new QTreeWidgetItem(tree, {QStringLiteral("Software Manager")});
    shell::SetNodePicture(root, form_.ImageList_Software, kRootPicture);
    setSoftwareRecord(root, {SoftwareNodeKind::Root, -1, -1});

    std::array<QTreeWidgetItem*, kCategoryCount> categories{};
    for (int c = 0; c < kCategoryCount; ++c) {
        auto* node = new QTreeWidgetItem(root, {qText(categoryName(c))});
        shell::SetNodePicture(node, form_.ImageList_Software, kCategoryPicture);
        setSoftwareRecord(node, {SoftwareNodeKind::Category, c, -1});
        categories[static_cast<std::size_t>(c)] = node;
    }

    for (const ProductRow& row : productTable()) {
        auto* node =
            new QTreeWidgetItem(categories[static_cast<std::size_t>(row.category)], {qText(row.name)});
        shell::SetNodePicture(node, form_.ImageList_Software,
                              isInstalled(row.name) ? kInstalledPicture : kMissingPicture);
        setSoftwareRecord(node, {SoftwareNodeKind::Product, row.category, row.code});
        node->setToolTip(0, node->text(0)); // the narrow tree cuts long names short
    }

    tree->expandAll();
    form_.CollapseToFirstLevel(tree);
    tree->setCurrentItem(root);
}

void SoftwareManager::NavigateSoftwarePane() {
    const auto record = softwareRecord(form_.TreeView_Software->currentItem());
    std::string page(kModePages[form_.SoftwarePageMode == 1 ? 1 : 0]);
    if (record && record->kind != SoftwareNodeKind::Root && record->category >= 0 &&
        record->category < kCategoryCount)
        page += kCategoryAnchors[static_cast<std::size_t>(record->category)];
    form_.NavigateContent(form_.CppWebBrowser_Software, page);
}

void SoftwareManager::TreeView_SoftwareChange() {
    NavigateSoftwarePane();
    const QTreeWidgetItem* item = form_.TreeView_Software->currentItem();
    form_.EditSoftProduct->setText(item ? item->text(0) : QString());
    const auto record = softwareRecord(item);
    const ProductRow* row =
        record && record->kind == SoftwareNodeKind::Product ? findProduct(record->code) : nullptr;
    form_.Edit_SoftDescription->setText(row ? qText(row->description) : QString());
}

void SoftwareManager::showPages(int pageMode) {
    form_.SoftwarePageMode = pageMode;
    BuildSoftwareTree();
    NavigateSoftwarePane();
}

void SoftwareManager::BitBtn_SoftOverviewClick() {
    showPages(0);
}

void SoftwareManager::BitBtn_SoftHwSupportClick() {
    showPages(1);
}

void SoftwareManager::BitBtn_SoftRefreshClick() {
    showPages(form_.SoftwarePageMode);
}

void SoftwareManager::BitBtn_UpdateWizardClick() {
    const std::vector<RegisteredProduct> products = registeredProducts();
    form_.OpenWithDefaultBrowser(updateRequestAddress(products));
}

void SoftwareManager::BitBtn_SoftSampleClick() {
    const QTreeWidgetItem* item = form_.TreeView_Software->currentItem();
    const auto record = softwareRecord(item);
    if (!record || record->kind != SoftwareNodeKind::Product || !hasSampleFolder(record->code))
        return;
    if (const auto folder = sampleFolder(item->text(0).toStdString()))
        platform::launcher().start({"explorer.exe", {folder->string()}});
}

void SoftwareManager::BitBtn_RuzidavidezClick() {
    platform::launcher().start({"Ruzidavidez.exe", {}});
}

void SoftwareManager::BitBtn_DataConversionClick() {
    platform::launcher().start({"Diruzori.exe", {}});
}

} // namespace doz::software
