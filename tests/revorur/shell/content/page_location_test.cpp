#include "revorur/shell/content/page_location.h"

#include "tests/support/qt_files.h"
#include "tests/support/qt_paths.h"

#include <QFile>

#include <gtest/gtest.h>

namespace doz::revorur {
namespace {

TEST(PageTarget, ConvertsBackslashesAndSplitsTheAnchor) {
    const PageTarget target =
        parsePageTarget("C:\\Program Files\\Revorur\\Content\\SW_HardwareSupportList.htm"
                        "#ComponentwareActiveXControl");
    EXPECT_EQ(target.path, QStringLiteral("C:/Program Files/Revorur/Content/SW_HardwareSupportList.htm"));
    EXPECT_EQ(target.anchor, QStringLiteral("ComponentwareActiveXControl"));
}

TEST(PageTarget, AcceptsFileUrlsAndTargetsWithoutAnchor) {
    const PageTarget url = parsePageTarget("file:///opt/revorur/Content/A120.mht#top");
    EXPECT_EQ(url.path, QStringLiteral("/opt/revorur/Content/A120.mht"));
    EXPECT_EQ(url.anchor, QStringLiteral("top"));
    const PageTarget plain = parsePageTarget("  /opt/revorur/Content/A120.mht ");
    EXPECT_EQ(plain.path, QStringLiteral("/opt/revorur/Content/A120.mht"));
    EXPECT_TRUE(plain.anchor.isEmpty());
    EXPECT_TRUE(parsePageTarget("").path.isEmpty());
}

TEST(PageTarget, KeepsAHashThatBelongsToAFileName) {
    const doz::test::TempFolder dir;
    const QString file = doz::test::qtFilePath(dir, "Notes#2.htm");
    doz::test::qtWriteFile(file, "<p>x</p>");
    EXPECT_EQ(parsePageTarget(file).path, file);
    EXPECT_EQ(parsePageTarget(doz::test::qtFilePath(dir, "a#b/c.htm")).path,
              doz::test::qtFilePath(dir, "a#b/c.htm"));
}

TEST(PageFile, MatchesNamesWithoutCaseAsWindowsDoes) {
    const doz::test::TempFolder dir;
    doz::test::qtWriteFile(doz::test::qtFilePath(dir, "Content/M610.mht"), "x");
    EXPECT_EQ(findPageFile(doz::test::qtFilePath(dir, "Content/M610.mht")),
              doz::test::qtFilePath(dir, "Content/M610.mht"));
    EXPECT_EQ(findPageFile(doz::test::qtFilePath(dir, "content/m610.MHT")),
              doz::test::qtFilePath(dir, "Content/M610.mht"));
    EXPECT_TRUE(findPageFile(doz::test::qtFilePath(dir, "Content/M620.mht")).isEmpty());
    EXPECT_TRUE(findPageFile(doz::test::qtFilePath(dir, "Content")).isEmpty()); // a folder is no page
}

TEST(PageFile, ReadsAtMostTheLimit) {
    const doz::test::TempFolder dir;
    QFile huge(doz::test::qtFilePath(dir, "huge.htm"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kMaxPageBytes + 4096));
    huge.close();
    EXPECT_EQ(readPageBytes(huge.fileName()).size(), kMaxPageBytes);
    EXPECT_TRUE(readPageBytes(doz::test::qtFilePath(dir, "none.htm")).isEmpty());
}

} // namespace
} // namespace doz::revorur
