#include "common/platform/fixed_text.h"
#include "common/platform/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace doz::platform {
namespace {

TEST(FixedText, PathFieldsHold127Bytes) {
    PathField field;
    EXPECT_TRUE(field.empty());
    field = std::string(127, 'a');
    EXPECT_EQ(field.size(), 127u);
    EXPECT_FALSE(field.truncated());

    field = std::string(128, 'b');
    EXPECT_EQ(field.str(), std::string(127, 'b'));
    EXPECT_TRUE(field.truncated());
    EXPECT_EQ(field.c_str()[127], '\0');

    field = "C:\\Tasks";
    EXPECT_EQ(field, "C:\\Tasks");
    EXPECT_FALSE(field.truncated());
}

TEST(FixedText, TaskFileFieldsHold31Bytes) {
    TaskFileField name(std::string(40, 't'));
    EXPECT_EQ(name.size(), 31u);
    EXPECT_TRUE(name.truncated());
}

TEST(FixedText, NeverSplitsAUtf8Sequence) {
    struct Case {
        std::string text;
        std::size_t kept;
    };
    const std::string a125(125, 'a');
    const Case cases[] = {
        {a125 + "aé", 126},  // "é" would need bytes 127 and 128
        {a125 + "é", 127},   // exactly fits
        {a125 + "€", 125},   // three bytes, one too many
        {a125 + "a😀", 126},  // four bytes
        {a125 + "ab€", 127}, // cut falls between characters
    };
    for (const Case& c : cases) {
        const PathField field(c.text);
        EXPECT_EQ(field.size(), c.kept) << c.text;
        EXPECT_EQ(field.str(), c.text.substr(0, c.kept));
        EXPECT_TRUE(isValidUtf8(field.view()));
        EXPECT_EQ(field.truncated(), c.kept < c.text.size());
    }
}

TEST(FixedText, CopyTruncatedIntoRecordFields) {
    char name[8];
    std::fill(std::begin(name), std::end(name), 'x');
    EXPECT_FALSE(copyTruncated(name, "ab"));
    EXPECT_STREQ(name, "ab");
    EXPECT_TRUE(std::all_of(name + 2, std::end(name), [](char c) { return c == '\0'; }));

    EXPECT_TRUE(copyTruncated(name, "abcdefghij"));
    EXPECT_STREQ(name, "abcdefg");

    EXPECT_TRUE(copyTruncated(name, std::string_view("ab\0cd", 5)));
    EXPECT_STREQ(name, "ab");
}

TEST(Utf8, ValidityFollowsTheEncodingRules) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("Tâches – 測試 😀"));
    EXPECT_FALSE(isValidUtf8("caf\xE9"));          // Latin-1
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));         // cut short
    EXPECT_FALSE(isValidUtf8("\x80"));             // lone continuation
}

} // namespace
} // namespace doz::platform
