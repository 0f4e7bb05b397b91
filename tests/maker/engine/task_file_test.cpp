// Task file text: the version line, the keys, the "end" line that proves the file complete, and
// every kind of damaged file refused as a whole.
#include "task_file.h"

#include <gtest/gtest.h>

namespace radezuvi {
namespace {

const std::string kValid = "# Radezuvi task\n"
                           "radezuvi-task 1\n"
                           "operation 0x10003\n"
                           "device 1530 2\n"
                           "description Shaker table \\\\ axis X\\nsecond line\n"
                           "channels 0 1 5\n"
                           "property 102 10000\n"
                           "property 105 1000\n"
                           "channel-property 5 51 202\n"
                           "end\n";

TEST(TaskFile, ReadsEveryKey) {
    const auto definition = parseTaskFile(kValid);
    ASSERT_TRUE(definition);
    EXPECT_EQ(definition->operation, 0x10003);
    EXPECT_EQ(definition->typeCode, 1530);
    EXPECT_EQ(definition->cardNumber, 2);
    EXPECT_EQ(definition->description, "Shaker table \\ axis X\nsecond line");
    EXPECT_EQ(definition->channels, (std::vector<std::uint16_t>{0, 1, 5}));
    EXPECT_EQ(definition->property(102), 10000);
    EXPECT_EQ(definition->property(105), 1000);
    EXPECT_EQ(definition->channelProperty(5, 51), 202);
}

TEST(TaskFile, FormatReadsBackUnchanged) {
    TaskDefinition definition;
    definition.operation = 0x80002;
    definition.typeCode = 240;
    definition.cardNumber = 7;
    definition.description = "Ramp\r\nwith \\n literally, and 温度";
    definition.channels = {3, 0};
    definition.properties = {{104, 1500.5}, {105, 256}};
    definition.channelProperties = {{{0, 101}, 516}};
    const auto back = parseTaskFile(formatTaskFile(definition));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->operation, definition.operation);
    EXPECT_EQ(back->typeCode, definition.typeCode);
    EXPECT_EQ(back->cardNumber, definition.cardNumber);
    EXPECT_EQ(back->description, definition.description);
    EXPECT_EQ(back->channels, definition.channels);
    EXPECT_EQ(back->properties, definition.properties);
    EXPECT_EQ(back->channelProperties, definition.channelProperties);
}

TEST(TaskFile, EveryControlCharacterOfADescriptionReadsBack) {
    TaskDefinition definition;
    definition.operation = 0x10003;
    definition.typeCode = 1;
    for (int c = 0; c < 0x20; ++c) {
        definition.description += static_cast<char>(c == 0 ? 0x7F : c);
        definition.description += 'x';
    }
    definition.description += "\\x41 stays \\x41; \\xZZ too";
    const std::string text = formatTaskFile(definition);
    const auto back = parseTaskFile(text);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(back->description, definition.description);

    // Hand-written files keep their meaning: \xHH is a byte, a backslash before anything else is itself.
    const auto written = parseTaskFile("radezuvi-task 1\noperation 0x10003\ndevice 1 0\n"
                                       "description tab\\x09here \\q \\x4\nend\n");
    ASSERT_TRUE(written);
    EXPECT_EQ(written->description, "tab\there \\q \\x4");
}

TEST(TaskFile, EveryTruncationBeforeTheEndLineIsRefused) {
    const std::size_t endLine = kValid.rfind("end");
    for (std::size_t length = 0; length < endLine + 3; ++length) {
        EXPECT_FALSE(parseTaskFile(kValid.substr(0, length))) << length;
    }
    EXPECT_TRUE(parseTaskFile(kValid.substr(0, endLine + 3)));
}

TEST(TaskFile, RefusesBrokenContent) {
    const auto replaced = [](const std::string& from, const std::string& to) {
        std::string text = kValid;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string broken[] = {
        replaced("radezuvi-task 1", "radezuvi-task 2"),                     // a later version
        replaced("radezuvi-task 1", "task 1"),                              // not a task file
        replaced("operation 0x10003", "operation 0x10001"),                 // no such operation
        replaced("operation 0x10003", "operation 65539x"),                  // not a number
        replaced("device 1530 2", "device 1530"),                           // card number missing
        replaced("device 1530 2", "device 1530 40000"),                     // card number too large
        replaced("channels 0 1 5", "channels 0 1 1"),                       // a channel twice
        replaced("channels 0 1 5", "channels 0 70000"),                     // not a channel
        replaced("property 102 10000", "property 4 65536"),                 // read-only property
        replaced("property 102 10000", "property 999 1"),                   // unknown property
        replaced("property 102 10000", "property 102 -5"),                  // negative rate
        replaced("property 102 10000", "property 102 nan"),                 // not finite
        replaced("property 105 1000", "property 102 20000"),                // a property twice
        replaced("channel-property 5 51 202", "channel-property 5 51 299"), // no such range
        replaced("channel-property 5 51 202", "channel-property 5 50 1"),   // enabling belongs in channels
        replaced("end\n", "end\nchannels 2\n"),                             // text after the end
        replaced("channels 0 1 5\n", "channels 0\nchannels 1\n"),           // a key twice
        replaced("device 1530 2\n", ""),                                    // no device
        replaced("end\n", "fin\n"),                                         // unknown key
    };
    for (const auto& text : broken) {
        EXPECT_FALSE(parseTaskFile(text)) << text;
    }
}

TEST(TaskFile, RefusesBinaryEmptyAndHugeText) {
    EXPECT_FALSE(parseTaskFile(""));
    EXPECT_FALSE(parseTaskFile("\n\n# nothing\n"));
    std::string withNul = kValid;
    withNul[kValid.find("Shaker")] = '\0';
    EXPECT_FALSE(parseTaskFile(withNul));
    std::string huge = kValid;
    huge.insert(kValid.find("end"), std::string(kMaxTaskFileBytes, '#') + "\n");
    EXPECT_FALSE(parseTaskFile(huge));
}

TEST(TaskFile, LongDescriptionIsCutAtACharacterBoundary) {
    std::string text = kValid;
    std::string utf8 = "xy"; // puts byte 2047 inside a character
    for (int i = 0; i < 1500; ++i) {
        utf8 += "\xC3\xA9"; // é, two bytes
    }
    const std::size_t at = text.find("Shaker");
    text.replace(at, text.find('\n', at) - at, utf8);
    const auto definition = parseTaskFile(text);
    ASSERT_TRUE(definition);
    EXPECT_EQ(definition->description.size(), kMaxDescription - 1); // "xy" and 1022 whole characters
    EXPECT_EQ(definition->description.substr(0, 4), "xy\xC3\xA9");
    EXPECT_EQ(definition->description.substr(definition->description.size() - 2), "\xC3\xA9");
}

TEST(TaskFile, CrLfLinesAndIndentationAreAccepted) {
    std::string text;
    for (char c : kValid) {
        text += c == '\n' ? std::string("\r\n  ") : std::string(1, c);
    }
    EXPECT_TRUE(parseTaskFile(text));
}

} // namespace
} // namespace radezuvi
