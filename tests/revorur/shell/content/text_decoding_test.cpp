#include "revorur/shell/content/mime_entity.h"
#include "revorur/shell/content/text_charset.h"
#include "revorur/shell/content/transfer_encoding.h"

#include <gtest/gtest.h>

namespace doz::revorur::mime {
namespace {

TEST(QuotedPrintable, JoinsSoftLineBreaksOfEitherStyle) {
    EXPECT_EQ(decodeQuotedPrintable("<p>Analog in=\r\nput</p>"), QByteArray("<p>Analog input</p>"));
    EXPECT_EQ(decodeQuotedPrintable("<p>Analog in=\nput</p>"), QByteArray("<p>Analog input</p>"));
    EXPECT_EQ(decodeQuotedPrintable("Analog in= \t\r\nput"), QByteArray("Analog input"));
    EXPECT_EQ(decodeQuotedPrintable("line one\r\nline two"), QByteArray("line one\r\nline two"));
}

TEST(QuotedPrintable, DecodesEscapedBytesInEitherCase) {
    EXPECT_EQ(decodeQuotedPrintable("<td class=3D\"key\">"), QByteArray("<td class=\"key\">"));
    EXPECT_EQ(decodeQuotedPrintable("=C2=B1=c2=b110 V"), QByteArray("\xC2\xB1\xC2\xB1"
                                                                    "10 V"));
}

TEST(QuotedPrintable, KeepsMalformedEscapesAsTheyStand) {
    EXPECT_EQ(decodeQuotedPrintable("a=ZZb"), QByteArray("a=ZZb"));
    EXPECT_EQ(decodeQuotedPrintable("a=4"), QByteArray("a=4"));
    EXPECT_EQ(decodeQuotedPrintable("cut off="), QByteArray("cut off"));
}

TEST(TransferEncoding, DecodesBase64AcrossLinesAndSkipsForeignCharacters) {
    EXPECT_EQ(decodeTransferEncoding("PGh0bWw+\r\nPC9odG1s\r\nPg==\r\n", "base64"),
              QByteArray("<html></html>"));
    EXPECT_EQ(decodeTransferEncoding("PGh0 bWw+*", "BASE64"), QByteArray("<html>"));
}

TEST(TransferEncoding, PassesIdentityEncodingsThrough) {
    for (const char* encoding : {"7bit", "8bit", "binary", "x-unknown", ""}) {
        EXPECT_EQ(decodeTransferEncoding("a=3Db", encoding), QByteArray("a=3Db")) << encoding;
    }
    EXPECT_EQ(decodeTransferEncoding("a=3Db", " Quoted-Printable "), QByteArray("a=b"));
}

TEST(Charset, ReadsWindows1252AndLatin1AsBrowsersDo) {
    const QByteArray bytes = "\x93Pump\x94 \x80 \xE9";
    const QString expected = QStringLiteral(u"\u201CPump\u201D \u20AC \u00E9");
    EXPECT_EQ(decodeText(bytes, "windows-1252"), expected);
    EXPECT_EQ(decodeText(bytes, "ISO-8859-1"), expected);
    EXPECT_EQ(decodeText(bytes, "us-ascii"), expected);
}

TEST(Charset, ReadsUtf8AndGuessesWhenTheNameIsMissingOrUnknown) {
    EXPECT_EQ(decodeText("\xC2\xB1"
                         "10 V",
                         "UTF-8"),
              QStringLiteral(u"\u00B110 V"));
    EXPECT_EQ(decodeText("\xC2\xB1"
                         "10 V",
                         ""),
              QStringLiteral(u"\u00B110 V"));
    EXPECT_EQ(decodeText("\xB1"
                         "10 V",
                         "x-no-such-charset"),
              QStringLiteral(u"\u00B110 V"));
}

TEST(Charset, FindsTheDeclarationOfAPage) {
    EXPECT_EQ(declaredHtmlCharset("<html><head><meta http-equiv=\"Content-Type\" "
                                  "content=\"text/html; charset=windows-1252\">"),
              QByteArray("windows-1252"));
    EXPECT_EQ(declaredHtmlCharset("<HEAD><META CHARSET='UTF-8'></HEAD>"), QByteArray("UTF-8"));
    EXPECT_EQ(declaredHtmlCharset("<meta charset=\"utf-16\">"), QByteArray("utf-8"));
    EXPECT_TRUE(declaredHtmlCharset("<p>charset=latin1 is only text here</p>").isEmpty());
}

TEST(MimeEntity, ParsesFoldedHeadersAndQuotedParameters) {
    const Entity entity = splitEntity("Content-Type: multipart/related;\r\n"
                                      "\ttype=\"text/html\";\r\n"
                                      "\tboundary=\"----=_Part; 1\"\r\n"
                                      "X-Other: yes\r\n"
                                      "\r\n"
                                      "body");
    const HeaderValue type = parseHeaderValue(entity.headers.value("content-type"));
    EXPECT_EQ(type.value, QByteArray("multipart/related"));
    EXPECT_EQ(type.parameter("boundary"), QByteArray("----=_Part; 1"));
    EXPECT_EQ(type.parameter("type"), QByteArray("text/html"));
    EXPECT_EQ(entity.headers.value("X-OTHER"), QByteArray("yes"));
    EXPECT_EQ(entity.body, QByteArray("body"));
}

TEST(MimeEntity, TreatsDataWithoutHeadersAsBody) {
    const Entity entity = splitEntity("<html><body>Hi</body></html>");
    EXPECT_TRUE(entity.headers.isEmpty());
    EXPECT_EQ(entity.body, QByteArray("<html><body>Hi</body></html>"));
}

TEST(MimeEntity, SplitsMultipartBodiesAtDelimiterLinesOnly) {
    const QByteArray body =
        "preamble\r\n--xyz\r\nfirst\r\n--xyzzy is text\r\n--xyz  \r\nsecond\n--xyz--\r\nepilogue";
    const QList<QByteArray> parts = splitMultipart(body, "xyz", 100);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0], QByteArray("first\r\n--xyzzy is text"));
    EXPECT_EQ(parts[1], QByteArray("second"));
}

TEST(MimeEntity, KeepsThePartACutOffBodyEndsIn) {
    const QList<QByteArray> parts = splitMultipart("--xyz\r\nfirst\r\n--xyz\r\nsecond, cut o", "xyz", 100);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[1], QByteArray("second, cut o"));
    EXPECT_EQ(splitMultipart("--a\r\n1\r\n--a\r\n2\r\n--a\r\n3\r\n--a--", "a", 2).size(), 2);
}

TEST(MimeEntity, GuessesALostBoundaryFromThePreambleOnly) {
    EXPECT_EQ(
        guessBoundary("This is a multi-part message.\r\n\r\n------=_Next\r\nContent-Type: text/html\r\n"),
        QByteArray("----=_Next"));
    EXPECT_TRUE(guessBoundary("<html>\r\n-- not a boundary\r\n").isEmpty());
}

} // namespace
} // namespace doz::revorur::mime
