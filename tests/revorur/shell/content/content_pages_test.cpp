#include "revorur/shell/content/content_pages.h"

#include "revorur/shell/content/content_pane.h"
#include "revorur/shell/content/mht_archive.h"
#include "revorur/shell/content/page_location.h"
#include "revorur/shell/content/text_charset.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <algorithm>

namespace doz::revorur {
namespace {

// The model numbers of the card catalogue's category table, uncategorized ones included.
const QStringList kCatalogueModels = {
    "A110", "A120", "A125", "A130", "D210", "D215", "D220", "D223", "D224", "D230", "D231", "D235", "D237",
    "D240", "D242", "D245", "D250", "D260", "D265", "D267", "D270", "D280", "D281", "D282", "D290", "D291",
    "D292", "D295", "S710", "S720", "S722", "S730", "S735", "S740", "E430", "E435", "E440", "E445", "E450",
    "E455", "E460", "E465", "M610", "M620", "M630", "M640", "M650", "M660", "M670", "M672", "M674", "M680",
    "E410", "E415", "E420", "E425", "T310", "D236", "G810", "R910", "R920", "R930"};

// Pages the main window, the device trees and the software manager name directly.
const QStringList kNamedPages = {"HW_SoftwareSelectionGuide.mht", "VirtualDevice.mht", "A120.mht", "D210.mht",
                                 "S710.mht", "E430.mht", "E410.mht", "T310.mht", "G810.mht", "R910.mht",
                                 "SW_SoftwareProductPage.htm", "SW_HardwareSupportList.htm",
                                 "VozizudOzadizezUzorurEraze.htm", "TechnicalSupportPage.mht",
                                 // the model rule on "Virtual Device: 0" and "Uncategorized Modules"
                                 "Virt.mht", "Unca.mht"};

const QStringList kSoftwareAnchors = {"WindowsDrivers", "LinuxDrivers", "ComponentwareActiveXControl",
                                      "ThirdPartySoftwareSupport", "ProprietaryApplications"};

QString contentFolder() {
    return QStringLiteral(DOZ_CONTENT_SOURCE_DIR);
}

QString pageHtml(const QString& page) {
    const QByteArray bytes = readPageBytes(contentFolder() + "/" + page);
    if (page.endsWith(".mht")) {
        return MhtArchive::decode(bytes).html();
    }
    return mime::decodeText(bytes, mime::declaredHtmlCharset(bytes));
}

QStringList attributeValues(const QString& html, const QString& attribute) {
    QStringList values;
    const QRegularExpression pattern(attribute + "=\"([^\"]*)\"");
    for (auto it = pattern.globalMatch(html); it.hasNext();) {
        values.append(it.next().captured(1));
    }
    return values;
}

bool isKnown(const QString& page) {
    const auto& pages = knownContentPages();
    return std::find(pages.begin(), pages.end(), page) != pages.end();
}

TEST(ContentPages, ListEveryPageTheProgramNames) {
    for (const QString& page : kNamedPages) {
        EXPECT_TRUE(isKnown(page)) << page.toStdString();
    }
    for (const QString& model : kCatalogueModels) {
        EXPECT_TRUE(isKnown(model + ".mht")) << model.toStdString();
    }
    EXPECT_EQ(knownContentPages().size(), static_cast<std::size_t>(kCatalogueModels.size() + 8));
}

TEST(ContentPages, ExistAndDecodeToAPage) {
    for (const QString& page : knownContentPages()) {
        ASSERT_TRUE(QFileInfo(contentFolder() + "/" + page).isFile()) << page.toStdString();
        const QString html = pageHtml(page);
        EXPECT_TRUE(html.contains("<body")) << page.toStdString();
        EXPECT_TRUE(html.contains("</html>")) << page.toStdString();
    }
}

TEST(ContentPages, AreCopiedNextToThePrograms) {
    const QString copied = QStringLiteral(DOZ_CONTENT_OUTPUT_DIR "/");
    for (const QString& page : knownContentPages()) {
        EXPECT_TRUE(QFileInfo(copied + page).isFile()) << page.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(copied + "src"));
}

TEST(ContentPages, NameTheirModel) {
    for (const QString& model : kCatalogueModels) {
        EXPECT_TRUE(pageHtml(model + ".mht").contains("<h1>" + model + "</h1>")) << model.toStdString();
    }
}

TEST(ContentPages, CarryEveryPictureTheyShow) {
    for (const QString& page : knownContentPages()) {
        if (!page.endsWith(".mht")) {
            continue;
        }
        const MhtArchive archive = MhtArchive::decode(readPageBytes(contentFolder() + "/" + page));
        const QStringList sources = attributeValues(archive.html(), "src");
        EXPECT_FALSE(sources.isEmpty()) << page.toStdString();
        for (const QString& source : sources) {
            const auto bytes = archive.resource(QUrl(source));
            ASSERT_TRUE(bytes) << page.toStdString() << ": " << source.toStdString();
            EXPECT_FALSE(QImage::fromData(*bytes).isNull())
                << page.toStdString() << ": " << source.toStdString();
        }
    }
}

TEST(ContentPages, LinkOnlyToPagesThatExist) {
    for (const QString& page : knownContentPages()) {
        for (const QString& link : attributeValues(pageHtml(page), "href")) {
            const QUrl url(link);
            if (!url.isRelative() || url.path().isEmpty()) {
                continue;
            }
            EXPECT_TRUE(QFileInfo(contentFolder() + "/" + url.path()).isFile())
                << page.toStdString() << " links to " << link.toStdString();
        }
    }
}

TEST(ContentPages, SoftwarePagesHoldTheFiveSections) {
    for (const QString page : {"SW_SoftwareProductPage.htm", "SW_HardwareSupportList.htm"}) {
        const QString html = pageHtml(page);
        for (const QString& anchor : kSoftwareAnchors) {
            EXPECT_TRUE(html.contains("<a name=\"" + anchor + "\">"))
                << page.toStdString() << "#" << anchor.toStdString();
        }
    }
}

TEST(ContentPages, SoftwareSectionsScrollIntoView) {
    ContentPane pane;
    pane.resize(600, 400);
    pane.show();
    pane.navigate(contentFolder() + "/SW_SoftwareProductPage.htm#ProprietaryApplications");
    EXPECT_GT(pane.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(pane.toPlainText().contains("Ruzidavidez"));
}

TEST(ContentPages, PathsLieInTheContentFolderOfTheProgram) {
    EXPECT_EQ(QDir::cleanPath(contentPagePath("/opt/revorur", "A120.mht")),
              QStringLiteral("/opt/revorur/Content/A120.mht"));
    EXPECT_EQ(contentPagePath("/opt/revorur", "SW_HardwareSupportList.htm#LinuxDrivers"),
              QStringLiteral("/opt/revorur/Content/SW_HardwareSupportList.htm#LinuxDrivers"));
}

} // namespace
} // namespace doz::revorur
