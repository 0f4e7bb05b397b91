#include "revorur/shell/content/mht_archive.h"

#include "mime_samples.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>

namespace doz::revorur {
namespace {

using test::htmlPart;
using test::pictureById;
using test::pictureByLocation;
using test::sampleArchive;
using test::samplePng;

QSize pictureSize(const std::optional<QByteArray>& bytes) {
    return bytes ? QImage::fromData(*bytes).size() : QSize();
}

TEST(MhtArchive, DecodesAQuotedPrintableHtmlPart) {
    const QByteArray archive = sampleArchive({{"Content-Type: text/html; charset=utf-8\r\n"
                                               "Content-Transfer-Encoding: quoted-printable\r\n",
                                               "<html><body><h1 class=3D\"t\">Range =C2=B110 V, soft=\r\n"
                                               " break</h1></body></html>"}});
    EXPECT_EQ(MhtArchive::decode(archive).html(),
              QStringLiteral(u"<html><body><h1 class=\"t\">Range \u00B110 V, soft break</h1></body></html>"));
}

TEST(MhtArchive, DecodesABase64HtmlPartInItsCharset) {
    const QByteArray page = "<html><body>\x93Quoted\x94</body></html>";
    const QByteArray archive = sampleArchive({{"Content-Type: text/html; charset=windows-1252\r\n"
                                               "Content-Transfer-Encoding: base64\r\n",
                                               page.toBase64()}});
    EXPECT_EQ(MhtArchive::decode(archive).html(),
              QStringLiteral(u"<html><body>\u201CQuoted\u201D</body></html>"));
}

TEST(MhtArchive, ResolvesPicturesByLocationRelativeToThePage) {
    const QByteArray archive = sampleArchive(
        {htmlPart("<img src=\"images/logo.png\">", "file:///C:/Program%20Files/App/Content/A120.htm"),
         pictureByLocation(samplePng(3, 2), "file:///C:/Program%20Files/App/Content/images/logo.png"),
         pictureByLocation(samplePng(5, 4), "http://www.example.com/pics/wave.png")});
    const MhtArchive decoded = MhtArchive::decode(archive);
    EXPECT_EQ(decoded.resourceCount(), 2);
    EXPECT_EQ(pictureSize(decoded.resource(QUrl("images/logo.png"))), QSize(3, 2));
    EXPECT_EQ(pictureSize(decoded.resource(QUrl("file:///C:/Program Files/App/Content/images/logo.png"))),
              QSize(3, 2));
    EXPECT_EQ(pictureSize(decoded.resource(QUrl("http://www.example.com/pics/wave.png"))), QSize(5, 4));
}

TEST(MhtArchive, ResolvesPicturesByContentId) {
    const QByteArray archive = sampleArchive(
        {htmlPart("<img src=\"cid:Picture-1@Site\">"), pictureById(samplePng(7, 1), "Picture-1@Site")});
    const MhtArchive decoded = MhtArchive::decode(archive);
    EXPECT_EQ(pictureSize(decoded.resource(QUrl("cid:Picture-1@Site"))), QSize(7, 1));
    EXPECT_EQ(pictureSize(decoded.resource(QUrl("cid:picture-1@site"))), QSize(7, 1));
    EXPECT_FALSE(decoded.resource(QUrl("cid:other@site")));
}

TEST(MhtArchive, FallsBackToTheFileNameWhenLocationsNoLongerMatch) {
    const QByteArray archive =
        sampleArchive({htmlPart("<img src=\"pics/Chart.PNG\">", "C:\\Old\\Place\\page.htm"),
                       pictureByLocation(samplePng(2, 6), "C:\\Elsewhere\\chart.png")});
    const MhtArchive decoded = MhtArchive::decode(archive);
    EXPECT_EQ(decoded.baseUrl(), QUrl("file:///C:/Old/Place/page.htm"));
    EXPECT_EQ(pictureSize(decoded.resource(QUrl("pics/Chart.PNG"))), QSize(2, 6));
    EXPECT_FALSE(decoded.resource(QUrl("pics/missing.png")));
}

TEST(MhtArchive, PrefersTheHtmlAlternativeOfANestedPart) {
    const QByteArray archive = "Content-Type: multipart/alternative; boundary=outer\r\n\r\n"
                               "--outer\r\nContent-Type: text/plain\r\n\r\nPlain version\r\n"
                               "--outer\r\nContent-Type: multipart/related; boundary=inner\r\n\r\n"
                               "--inner\r\nContent-Type: text/html\r\n\r\n<p>Rich version</p>\r\n"
                               "--inner--\r\n"
                               "--outer--\r\n";
    EXPECT_EQ(MhtArchive::decode(archive).html(), QStringLiteral("<p>Rich version</p>"));
}

TEST(MhtArchive, ShowsAPlainTextOnlyArchiveAsPreformattedText) {
    const QByteArray archive = sampleArchive({{"Content-Type: text/plain\r\n", "Gain < 10 & offset"}});
    EXPECT_EQ(MhtArchive::decode(archive).html(), QStringLiteral("<pre>Gain &lt; 10 &amp; offset</pre>"));
}

TEST(MhtArchive, ReadsPlainHtmlThatIsNoArchive) {
    EXPECT_EQ(MhtArchive::decode("<html><body>Saved as HTML</body></html>").html(),
              QStringLiteral("<html><body>Saved as HTML</body></html>"));
}

TEST(MhtArchive, RecoversALostBoundaryParameter) {
    QByteArray archive = sampleArchive({htmlPart("<p>Still here</p>")});
    archive.replace("boundary=\"b0undary\"; ", "");
    EXPECT_EQ(MhtArchive::decode(archive).html(), QStringLiteral("<p>Still here</p>"));
}

TEST(MhtArchive, ShowsEveryPrefixOfACutOffPage) {
    const QByteArray page =
        "<html><body><h1>Calibration</h1><p>" + QByteArray(300, 'x') + "</p></body></html>";
    const QByteArray archive = sampleArchive({{"Content-Type: text/html\r\n"
                                               "Content-Transfer-Encoding: quoted-printable\r\n",
                                               page}});
    // Until the closing delimiter is complete, what there is of it is page text.
    const QString pageAndDelimiter = QString::fromLatin1(page + "\r\n--b0undary--");
    const qsizetype bodyStart = archive.indexOf("<html>");
    for (qsizetype cut = bodyStart; cut <= archive.size(); ++cut) {
        const QString html = MhtArchive::decode(archive.left(cut)).html();
        EXPECT_TRUE(pageAndDelimiter.startsWith(html)) << "cut at " << cut;
        EXPECT_GE(html.size(), std::min<qsizetype>(cut - bodyStart - 2, page.size())) << "cut at " << cut;
    }
}

TEST(MhtArchive, KeepsWhatACutOffPictureStillHolds) {
    QByteArray archive = sampleArchive({htmlPart("<p>Page</p>"), pictureById(samplePng(8, 8), "pic")});
    archive.chop(40);
    const MhtArchive decoded = MhtArchive::decode(archive);
    EXPECT_EQ(decoded.html(), QStringLiteral("<p>Page</p>"));
    EXPECT_TRUE(decoded.resource(QUrl("cid:pic")));
}

TEST(MhtArchive, YieldsNothingForEmptyOrBinaryInput) {
    EXPECT_TRUE(MhtArchive::decode({}).html().isEmpty());
    QByteArray binary;
    std::mt19937 random(7);
    for (int i = 0; i < 100000; ++i) {
        binary += static_cast<char>(random() & 0xFF);
    }
    const MhtArchive decoded = MhtArchive::decode(binary);
    EXPECT_TRUE(decoded.html().isEmpty());
    EXPECT_EQ(decoded.resourceCount(), 0);
}

TEST(MhtArchive, BoundsHostileNestingAndPartCounts) {
    QByteArray nested = "<p>deep</p>";
    for (int level = 0; level < 200; ++level) {
        const QByteArray boundary = "n" + QByteArray::number(level);
        nested = "Content-Type: multipart/related; boundary=" + boundary + "\r\n\r\n--" + boundary + "\r\n" +
                 nested + "\r\n--" + boundary + "--\r\n";
    }
    EXPECT_TRUE(MhtArchive::decode(nested).html().isEmpty());

    QByteArray many = "Content-Type: multipart/related; boundary=m\r\n\r\n";
    for (int part = 0; part < 30000; ++part) {
        many += "--m\r\nContent-ID: <p" + QByteArray::number(part) + ">\r\n\r\nx\r\n";
    }
    const MhtArchive decoded = MhtArchive::decode(many);
    EXPECT_LE(decoded.resourceCount(), 10000);
    EXPECT_TRUE(decoded.resource(QUrl("cid:p0")));
}

TEST(MhtArchive, SurvivesRandomDamage) {
    const QByteArray archive =
        sampleArchive({htmlPart("<html><body><img src=\"a.png\"></body></html>", "x/p.htm"),
                       pictureByLocation(samplePng(4, 4), "x/a.png"), pictureById(samplePng(2, 2), "b")});
    std::mt19937 random(1);
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = archive;
        for (int hit = 0; hit < 1 + round % 12; ++hit) {
            const auto at = static_cast<qsizetype>(random() % damaged.size());
            switch (random() % 3) {
            case 0:
                damaged[at] = static_cast<char>(random() & 0xFF);
                break;
            case 1:
                damaged.remove(at, 1 + random() % 20);
                break;
            default:
                damaged.insert(at, random() % 2 ? "\r\n--b0undary\r\n" : "=\r\n");
                break;
            }
        }
        const MhtArchive decoded = MhtArchive::decode(damaged);
        EXPECT_LE(decoded.resourceCount(), 3 + 12) << "round " << round;
    }
}

} // namespace
} // namespace doz::revorur
