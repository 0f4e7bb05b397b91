#include "revorur/shell/content/content_pane.h"

#include "mime_samples.h"
#include "tests/support/qt_files.h"
#include "tests/support/qt_paths.h"

#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace doz::revorur {
namespace {

using doz::test::qtWriteFile;
using test::htmlPart;
using test::pictureById;
using test::pictureByLocation;
using test::sampleArchive;
using test::samplePng;

// A page long enough to scroll, with an anchor near its end.
QByteArray longPage() {
    QByteArray page = "<html><body><h1>Top of page</h1>";
    for (int i = 0; i < 120; ++i) {
        page += "<p>Paragraph " + QByteArray::number(i) + "</p>";
    }
    return page + "<h2><a name=\"Bottom\"></a>Bottom section</h2><p>End</p></body></html>";
}

class ContentPaneTest : public ::testing::Test {
protected:
    void SetUp() override { m_pane.resize(400, 300); }

    QString path(const QString& name) const { return doz::test::qtFilePath(m_dir, name); }
    QString text() const { return m_pane.toPlainText(); }
    QSize pictureSize(const QString& reference) {
        return m_pane.document()
            ->resource(QTextDocument::ImageResource, QUrl(reference))
            .value<QImage>()
            .size();
    }

    doz::test::TempFolder m_dir;
    ContentPane m_pane;
};

TEST_F(ContentPaneTest, ShowsADecodedArchiveWithItsPictures) {
    qtWriteFile(path("Content/M610.mht"),
                sampleArchive({htmlPart("<html><body><h1>PCI-M610</h1><img src=\"images/logo.png\">"
                                        "<img src=\"cid:card\"></body></html>",
                                        "file:///C:/Saved/Content/M610.htm"),
                               pictureByLocation(samplePng(6, 3), "file:///C:/Saved/Content/images/logo.png"),
                               pictureById(samplePng(2, 9), "card")}));
    m_pane.navigate(path("Content/M610.mht"));
    EXPECT_TRUE(text().contains("PCI-M610"));
    EXPECT_EQ(pictureSize("images/logo.png"), QSize(6, 3));
    EXPECT_EQ(pictureSize("cid:card"), QSize(2, 9));
    EXPECT_EQ(m_pane.currentTarget(), path("Content/M610.mht"));
}

TEST_F(ContentPaneTest, ShowsAnHtmlPageWithThePicturesBesideIt) {
    qtWriteFile(path("Content/page.htm"),
                "<html><body><p>Software overview</p><img src=\"images/b.png\"></body></html>");
    qtWriteFile(path("Content/images/b.png"), samplePng(5, 5));
    m_pane.navigate(path("Content/page.htm"));
    EXPECT_TRUE(text().contains("Software overview"));
    EXPECT_EQ(pictureSize("images/b.png"), QSize(5, 5));
}

TEST_F(ContentPaneTest, AcceptsWindowsSeparatorsAndCase) {
    qtWriteFile(path("Content/Page.htm"), "<p>Found it</p>");
    m_pane.navigate(doz::test::qtPath(m_dir.path()) + "\\content\\PAGE.htm");
    EXPECT_TRUE(text().contains("Found it"));
    EXPECT_EQ(m_pane.currentTarget(), doz::test::qtPath(m_dir.path()) + "\\content\\PAGE.htm");
}

TEST_F(ContentPaneTest, DecodesTheCharsetAPageDeclares) {
    qtWriteFile(path("old.htm"), "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                 "charset=windows-1252\"></head><body>\x93Quoted\x94</body></html>");
    m_pane.navigate(path("old.htm"));
    EXPECT_TRUE(text().contains(QStringLiteral(u"\u201CQuoted\u201D")));
}

TEST_F(ContentPaneTest, NamesAMissingPage) {
    m_pane.navigate(path("Content/Nope.mht"));
    EXPECT_TRUE(text().contains("Page not found"));
    EXPECT_TRUE(text().contains(path("Content/Nope.mht")));
    EXPECT_EQ(m_pane.currentTarget(), path("Content/Nope.mht"));
}

TEST_F(ContentPaneTest, ShowsABlankPageForAnEmptyTarget) {
    qtWriteFile(path("a.htm"), "<p>Something</p>");
    m_pane.navigate(path("a.htm"));
    m_pane.navigate({});
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(m_pane.currentTarget().isEmpty());
}

TEST_F(ContentPaneTest, SaysSoWhenAFileHoldsNothingToShow) {
    qtWriteFile(path("broken.mht"), QByteArray("\x00\x01\x02\xFF\xFE", 5).repeated(1000));
    m_pane.navigate(path("broken.mht"));
    EXPECT_TRUE(text().contains("Empty page"));
}

TEST_F(ContentPaneTest, TakesPicturesFromTheCurrentArchiveOnly) {
    qtWriteFile(path("one.mht"), sampleArchive({htmlPart("<img src=\"pic.png\">", "one.htm"),
                                                pictureByLocation(samplePng(3, 3), "pic.png")}));
    qtWriteFile(path("two.mht"), sampleArchive({htmlPart("<img src=\"pic.png\">", "two.htm"),
                                                pictureByLocation(samplePng(8, 2), "pic.png")}));
    m_pane.navigate(path("one.mht"));
    EXPECT_EQ(pictureSize("pic.png"), QSize(3, 3));
    m_pane.navigate(path("two.mht"));
    EXPECT_EQ(pictureSize("pic.png"), QSize(8, 2));
}

TEST_F(ContentPaneTest, LoadsNoPictureFromOutsideThePage) {
    qtWriteFile(path("pages/a.htm"), "<img src=\"stray.png\"><img src=\"data:image/png;base64," +
                                         samplePng(4, 7).toBase64() + "\">");
    qtWriteFile(path("work/stray.png"), samplePng(9, 9));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(path("work"));
    m_pane.navigate(path("pages/a.htm"));
    const QSize stray = pictureSize("stray.png");
    QDir::setCurrent(previous);
    EXPECT_TRUE(stray.isEmpty());
    EXPECT_EQ(pictureSize("data:image/png;base64," + samplePng(4, 7).toBase64()), QSize(4, 7));
}

TEST_F(ContentPaneTest, ScrollsToTheAnchorOfTheTarget) {
    qtWriteFile(path("long.htm"), longPage());
    qtWriteFile(path("long.mht"), sampleArchive({htmlPart(longPage())}));
    m_pane.show();
    for (const char* page : {"long.htm", "long.mht"}) {
        m_pane.navigate(path(page) + "#Bottom");
        EXPECT_GT(m_pane.verticalScrollBar()->value(), 0) << page;
        m_pane.navigate(path(page));
        EXPECT_EQ(m_pane.verticalScrollBar()->value(), 0) << page;
    }
}

TEST_F(ContentPaneTest, ScrollsOnceShownWhenNavigatedWhileHidden) {
    qtWriteFile(path("long.htm"), longPage());
    m_pane.navigate(path("long.htm#Bottom"));
    m_pane.show();
    EXPECT_GT(m_pane.verticalScrollBar()->value(), 0);
}

TEST_F(ContentPaneTest, FollowsAnAnchorLinkInsideThePage) {
    qtWriteFile(path("long.htm"), longPage());
    m_pane.show();
    m_pane.navigate(path("long.htm"));
    emit m_pane.anchorClicked(QUrl("#Bottom"));
    EXPECT_GT(m_pane.verticalScrollBar()->value(), 0);
    EXPECT_EQ(m_pane.currentTarget(), path("long.htm") + "#Bottom");
}

TEST_F(ContentPaneTest, OpensLocalLinksInThePane) {
    qtWriteFile(path("Content/guide.mht"),
                sampleArchive({htmlPart("<a href=\"A120.mht\">A120</a>", "file:///x/y.htm")}));
    qtWriteFile(path("Content/A120.mht"), sampleArchive({htmlPart("<h1>Analog output</h1>")}));
    m_pane.navigate(path("Content/guide.mht"));
    emit m_pane.anchorClicked(QUrl("A120.mht"));
    EXPECT_TRUE(text().contains("Analog output"));
    EXPECT_EQ(m_pane.currentTarget(), path("Content/A120.mht"));
}

TEST_F(ContentPaneTest, HandsWebLinksToItsOwner) {
    qtWriteFile(path("a.htm"), "<p>Start</p>");
    m_pane.navigate(path("a.htm"));
    QList<QUrl> handed;
    QObject::connect(&m_pane, &ContentPane::externalLinkActivated,
                     [&](const QUrl& url) { handed.append(url); });
    emit m_pane.anchorClicked(QUrl("https://www.dozazar.example/support"));
    emit m_pane.anchorClicked(QUrl("mailto:support@dozazar.example"));
    ASSERT_EQ(handed.size(), 2);
    EXPECT_EQ(handed[0], QUrl("https://www.dozazar.example/support"));
    EXPECT_EQ(handed[1], QUrl("mailto:support@dozazar.example"));
    EXPECT_EQ(m_pane.currentTarget(), path("a.htm"));
    EXPECT_TRUE(text().contains("Start"));
}

} // namespace
} // namespace doz::revorur
