// The software manager on the real main window: the tree and its installed marks, the product
// pages, the selection boxes, the page buttons, samples, tools and the update request.

#include "common/ui/testing/recording_launcher.h"
#include "revorur/shell/content/content_pane.h"
#include "revorur/software/product_table.h"
#include "revorur/software/software_manager.h"
#include "tests/revorur/shell/main_form_fixture.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <fstream>

namespace doz::software {
namespace {

const char* const BrowserKey = "[HKEY_CLASSES_ROOT\\http\\shell\\open\\command]\n"
                               "@=\"\\\"C:\\\\Web\\\\browser.exe\\\" \\\"%1\\\"\"\n\n";

std::string productKey(const std::string& name, const std::string& values) {
    return "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\" + name + "\\CurrentVersion]\n" + values + "\n";
}

std::string pathValue(const std::filesystem::path& folder) {
    std::string text;
    for (const char c : folder.string()) {
        if (c == '\\' || c == '"')
            text += '\\';
        text += c;
    }
    return "\"path\"=\"" + text + "\"\n";
}

class SoftwareManagerTest : public testing::MainFormTest {
protected:
    void start(const std::string& products) {
        writeHive("REGEDIT4\n\n" + std::string(BrowserKey) + products);
        manager = std::make_unique<SoftwareManager>(*form);
        form->FormCreate("/opt/dz/Revorur");
    }
    void TearDown() override {
        manager.reset();
        MainFormTest::TearDown();
    }

    QTreeWidgetItem* root() const { return form->TreeView_Software->topLevelItem(0); }
    QTreeWidgetItem* node(const QString& text) const {
        const auto found = form->TreeView_Software->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found.front() : nullptr;
    }
    void select(const QString& text) {
        QTreeWidgetItem* item = node(text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        form->TreeView_Software->setCurrentItem(item);
    }
    QString target() const { return form->CppWebBrowser_Software->currentTarget(); }
    void click(const char* button) { QTest::mouseClick(find<QToolButton>(button), Qt::LeftButton); }

    ui::testing::ScopedLauncher launcher;
    std::unique_ptr<SoftwareManager> manager;
};

TEST_F(SoftwareManagerTest, TreeListsEveryProductUnderItsCategoryWithInstalledMarks) {
    start(productKey("PCI-Zizev", "\"Version\"=\"5.2.0\"\n") + productKey("Diruzori", "\"Version\"=\"\"\n") +
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\DIO-Zizev]\n\"Version\"=\"1.0\"\n\n");
    QTreeWidget* tree = form->TreeView_Software;
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(root()->text(0), "Software Manager");
    EXPECT_EQ(shell::NodePicture(root()), 0);
    ASSERT_EQ(root()->childCount(), 5);
    const char* categories[] = {"Windows Driver", "Linux Driver", "ActiveX Control", "Third-party Software",
                                "Applications"};
    int products = 0;
    for (int c = 0; c < 5; ++c) {
        QTreeWidgetItem* category = root()->child(c);
        EXPECT_EQ(category->text(0), categories[c]);
        EXPECT_EQ(shell::NodePicture(category), 1);
        EXPECT_FALSE(category->isExpanded()) << "collapsed to the first level";
        for (int p = 0; p < category->childCount(); ++p, ++products) {
            const ProductRow& row = productTable()[static_cast<std::size_t>(products)];
            EXPECT_EQ(category->child(p)->text(0).toStdString(), row.name) << "table order";
            EXPECT_EQ(row.category, c);
        }
    }
    EXPECT_EQ(products, 21);
    EXPECT_TRUE(root()->isExpanded());
    EXPECT_EQ(tree->currentItem(), root());

    EXPECT_EQ(shell::NodePicture(node("PCI-Zizev")), 2);
    EXPECT_EQ(shell::NodePicture(node("Diruzori")), 2) << "an empty version is still installed";
    EXPECT_EQ(shell::NodePicture(node("DIO-Zizev")), 3) << "a product key without its version key";
    EXPECT_EQ(shell::NodePicture(node("R4A-Zizev")), 3);

    // Building selected the root without touching the function panel's start texts.
    EXPECT_EQ(form->EditSoftProduct->text(), "Software Manager");
    EXPECT_EQ(form->Edit_SoftDescription->text(),
              "Drag the selected software item to subfunction button to launch");
    EXPECT_EQ(target(), "/opt/dz/Content/SW_SoftwareProductPage.htm");
}

TEST_F(SoftwareManagerTest, SelectionOpensTheCategorysSectionAndShowsTheProduct) {
    start("");
    const QString overview = "/opt/dz/Content/SW_SoftwareProductPage.htm";
    const char* anchors[] = {"#WindowsDrivers", "#LinuxDrivers", "#ComponentwareActiveXControl",
                             "#ThirdPartySoftwareSupport", "#ProprietaryApplications"};
    for (int c = 0; c < 5; ++c) {
        QTreeWidgetItem* category = root()->child(c);
        form->TreeView_Software->setCurrentItem(category);
        EXPECT_EQ(target(), overview + anchors[c]);
        EXPECT_EQ(form->EditSoftProduct->text(), category->text(0));
        EXPECT_EQ(form->Edit_SoftDescription->text(), "");
        form->TreeView_Software->setCurrentItem(category->child(0));
        EXPECT_EQ(target(), overview + anchors[c]);
    }

    const ProductRow* graph = findProduct(512);
    ASSERT_NE(graph, nullptr);
    select(QString::fromUtf8(graph->name.data(), static_cast<int>(graph->name.size())));
    EXPECT_EQ(form->EditSoftProduct->text().toStdString(), graph->name);
    EXPECT_EQ(form->Edit_SoftDescription->text().toStdString(), graph->description);

    form->TreeView_Software->setCurrentItem(root());
    EXPECT_EQ(target(), overview);
    EXPECT_EQ(form->Edit_SoftDescription->text(), "");
}

TEST_F(SoftwareManagerTest, PageButtonsSwitchTheModeRebuildAndOpenThePageAtItsTop) {
    start("");
    select("Dozirud Switch Bank");
    click("BitBtn_SoftHwSupport");
    EXPECT_EQ(form->SoftwarePageMode, 1);
    EXPECT_EQ(form->TreeView_Software->currentItem(), root());
    EXPECT_EQ(target(), "/opt/dz/Content/SW_HardwareSupportList.htm");

    select("Dozirud Switch Bank");
    EXPECT_EQ(target(), "/opt/dz/Content/SW_HardwareSupportList.htm#ComponentwareActiveXControl");

    // Refresh keeps the mode and shows products installed meanwhile.
    EXPECT_EQ(shell::NodePicture(node("Dozirud Switch Bank")), 3);
    writeHive("REGEDIT4\n\n" + productKey("Dozirud Switch Bank", "\"Version\"=\"2.0\"\n"));
    click("BitBtn_SoftRefresh");
    EXPECT_EQ(form->SoftwarePageMode, 1);
    EXPECT_EQ(shell::NodePicture(node("Dozirud Switch Bank")), 2);
    EXPECT_EQ(target(), "/opt/dz/Content/SW_HardwareSupportList.htm");

    click("BitBtn_SoftOverview");
    EXPECT_EQ(form->SoftwarePageMode, 0);
    select("Revorur");
    EXPECT_EQ(target(), "/opt/dz/Content/SW_SoftwareProductPage.htm#ProprietaryApplications");
}

TEST_F(SoftwareManagerTest, ProductPagesAndTheirSectionsExist) {
    const std::filesystem::path content = std::filesystem::path(std::getenv("DOZ_SOURCE_DIR")) / "Content";
    for (const char* page : {"SW_SoftwareProductPage.htm", "SW_HardwareSupportList.htm"}) {
        std::ifstream in(content / page, std::ios::binary);
        ASSERT_TRUE(in) << page;
        const std::string html((std::istreambuf_iterator<char>(in)), {});
        for (const char* anchor : {"WindowsDrivers", "LinuxDrivers", "ComponentwareActiveXControl",
                                   "ThirdPartySoftwareSupport", "ProprietaryApplications"})
            EXPECT_NE(html.find("name=\"" + std::string(anchor) + "\""), std::string::npos) << page << anchor;
    }
}

class SamplesTest : public SoftwareManagerTest {
protected:
    void SetUp() override {
        SoftwareManagerTest::SetUp();
        installed_ = folder().file("Program Files/Dozazar");
    }
    // A product installed in its own folder below `installed_`, optionally with its Samples folder.
    std::string installed(const std::string& name, bool withSamples, bool trailingSeparator = true) {
        const std::filesystem::path folder = installed_ / name;
        std::filesystem::create_directories(withSamples ? folder / "Samples" : folder);
        std::string path = folder.string();
        if (trailingSeparator)
            path += '/';
        return productKey(name, "\"Version\"=\"1.0\"\n" + pathValue(path));
    }
    void sample(const char* product) {
        select(product);
        click("BitBtn_SoftSample");
    }
    std::filesystem::path installed_;
};

TEST_F(SamplesTest, OpensTheSamplesFolderOfProductsThatHaveOne) {
    start(installed("PCI-Zizev", true) + installed("Zizev Graphical Blocks", true, false));
    sample("PCI-Zizev");
    sample("Zizev Graphical Blocks");
    ASSERT_EQ(launcher.requests.size(), 2u);
    EXPECT_EQ(launcher.requests[0].program, "explorer.exe");
    EXPECT_EQ(launcher.requests[0].arguments,
              std::vector<std::string>{(installed_ / "PCI-Zizev" / "Samples").string()});
    EXPECT_EQ(launcher.requests[1].arguments,
              std::vector<std::string>{(installed_ / "Zizev Graphical Blocks" / "Samples").string()})
        << "a path without a trailing separator gets one; blanks stay in the one argument";
}

TEST_F(SamplesTest, DoesNothingWithoutAFolderOrForProductsWithoutSamples) {
    start(installed("R4A-Zizev", false) + installed("PCI-Zizev Linux", true) +
          installed("Ruzidavidez", true) + installed("Zizev Kernel Runtime", true) +
          productKey("DIO-Zizev", "\"Version\"=\"1.0\"\n") + productKey("GPIB-Zizev", "\"path\"=\"\"\n"));
    for (const char* product :
         {"R4A-Zizev", "PCI-Zizev Linux", "Ruzidavidez", "Zizev Kernel Runtime", "DIO-Zizev", "GPIB-Zizev",
          "Dozirud Analog Graph", "Windows Driver", "Software Manager"})
        sample(product);
    EXPECT_TRUE(launcher.requests.empty()) << launcher.requests.front().program;
}

TEST_F(SoftwareManagerTest, ToolsStartByNameWhateverIsSelected) {
    start("");
    select("Linux Driver");
    click("BitBtn_Ruzidavidez");
    form->TreeView_Software->setCurrentItem(nullptr);
    click("BitBtn_DataConversion");
    form->RunFunction("BitBtn_Ruzidavidez"); // the pop-up item and drops run the same action
    ASSERT_EQ(launcher.requests.size(), 3u);
    EXPECT_EQ(launcher.programs(),
              (std::vector<std::string>{"Ruzidavidez.exe", "Diruzori.exe", "Ruzidavidez.exe"}));
    for (const auto& request : launcher.requests)
        EXPECT_TRUE(request.arguments.empty());
}

TEST_F(SoftwareManagerTest, UpdateWizardOpensTheRecommendationPageInTheBrowser) {
    start(productKey("AlphaDrv", "\"Version\"=\"2.1\"\n") + productKey("BetaKit", "\"Version\"=\"\"\n"));
    select("Applications");
    click("BitBtn_UpdateWizard");
    ASSERT_EQ(launcher.requests.size(), 1u);
    EXPECT_EQ(launcher.requests[0].program, "xdg-open");
    EXPECT_EQ(launcher.requests[0].arguments,
              std::vector<std::string>{"https://www.dozazar.example/support/"
                                       "recommend_list.php?SW=AlphaDrv,BetaKit&VR=2.1,Unknow%20Version"});
}

TEST_F(SoftwareManagerTest, UpdateWizardWithoutTheMakersKey) {
    start("");
    click("BitBtn_UpdateWizard");
    ASSERT_EQ(launcher.requests.size(), 1u);
    EXPECT_EQ(launcher.requests[0].arguments,
              std::vector<std::string>{"https://www.dozazar.example/support/recommend_list.php?SW=&VR="});
}

} // namespace
} // namespace doz::software
