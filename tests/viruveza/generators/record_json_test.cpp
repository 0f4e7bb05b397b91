#include "viruveza/generators/cli/record_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>

namespace doz::generators {

namespace {

bool SameBytes(const DeviceSetup& a, const DeviceSetup& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(RecordJson, LeftOutFieldsKeepTheWizardsInitialValues) {
    const GenerationRequest request = ParseRecordJson("{}");
    EXPECT_EQ(request.line, CardLine::Classic);
    EXPECT_TRUE(SameBytes(request.record, InitialDeviceSetup()));
}

TEST(RecordJson, FieldsLandInTheirSlots) {
    const GenerationRequest request = ParseRecordJson(R"({
        "line": 1, "title": "demo", "cardType": 8, "channelPattern": -32768, "cardNumber": 65535,
        "sampleRate": 1e6, "scanCount": 4294967295, "level": -2.5, "levelLow": 0.3,
        "fileName": "/data/run.dat", "trigFlags": 4096, "sampleInterval": 400, "syncMode": 2
    })");
    const DeviceSetup& record = request.record;
    EXPECT_EQ(request.line, CardLine::E400);
    EXPECT_STREQ(record.title, "demo");
    EXPECT_EQ(record.cardType, 8);
    EXPECT_EQ(record.channelPattern, -32768);
    EXPECT_EQ(record.cardNumber, 65535);
    EXPECT_EQ(record.sampleRate, 1e6);
    EXPECT_EQ(record.scanCount, 4294967295u);
    EXPECT_EQ(record.level, -2.5f);
    EXPECT_EQ(record.levelLow, 0.3f);
    EXPECT_STREQ(record.fileName, "/data/run.dat");
    EXPECT_EQ(record.trigFlags, 4096);
    EXPECT_EQ(record.sampleInterval, 400u);
    EXPECT_EQ(record.syncMode, 2);
    EXPECT_EQ(record.operation, 0) << "left out";
}

TEST(RecordJson, ChannelEntriesByPositionWithInitialValuesForTheRest) {
    const GenerationRequest request = ParseRecordJson(R"({
        "aiChannels": [{"enabled": 1}, {}, {"range": 14, "refGround": 2}],
        "aoChannels": [{"polarity": 0, "refSource": 1, "refVoltage": 5, "voltage": -2.5}]
    })");
    const DeviceSetup& record = request.record;
    EXPECT_EQ(record.aiChannels[0].enabled, 1u);
    EXPECT_EQ(record.aiChannels[0].range, 1);
    EXPECT_EQ(record.aiChannels[1].enabled, 0u);
    EXPECT_EQ(record.aiChannels[2].range, 14);
    EXPECT_EQ(record.aiChannels[2].refGround, 2);
    EXPECT_EQ(record.aiChannels[3].range, 1);
    EXPECT_EQ(record.aoChannels[0].polarity, 0);
    EXPECT_EQ(record.aoChannels[0].refSource, 1);
    EXPECT_EQ(record.aoChannels[0].refVoltage, 5.0);
    EXPECT_EQ(record.aoChannels[0].voltage, -2.5);
    EXPECT_EQ(record.aoChannels[1].polarity, 1);
    EXPECT_EQ(record.aoChannels[1].refVoltage, 10.0);
}

TEST(RecordJson, TextsUpToTheirFieldSize) {
    const std::string title(63, 't'), fileName(255, 'f');
    const GenerationRequest request =
        ParseRecordJson(R"({"title": ")" + title + R"(", "fileName": ")" + fileName + R"("})");
    EXPECT_EQ(request.record.title, title);
    EXPECT_EQ(request.record.fileName, fileName);
    EXPECT_THROW(ParseRecordJson(R"({"title": ")" + title + R"(t"})"), RecordError);
    EXPECT_THROW(ParseRecordJson(R"({"fileName": ")" + fileName + R"(f"})"), RecordError);
}

TEST(RecordJson, PrintedRecordReadsBackTheSame) {
    GenerationRequest original = ParseRecordJson(R"({
        "line": 1, "title": "t", "cardType": 2, "channelPattern": -1, "sampleRate": 123.456,
        "level": 0.1, "levelLow": -7.25, "fileName": "x.dat", "scanInterval": 4294967295,
        "aiChannels": [{"enabled": 1, "range": 22, "refGround": 1}],
        "aoChannels": [{}, {"enabled": 1, "polarity": -2, "refVoltage": 0.3, "voltage": 1e-9}]
    })");
    const std::string printed = RecordToJson(original.line, original.record);
    const GenerationRequest again = ParseRecordJson(printed);
    EXPECT_EQ(again.line, original.line);
    EXPECT_TRUE(SameBytes(again.record, original.record)) << printed;
}

TEST(RecordJson, PrintsEveryFieldInRecordOrder) {
    const auto printed = nlohmann::ordered_json::parse(RecordToJson(CardLine::Classic, InitialDeviceSetup()));
    std::vector<std::string> keys;
    for (const auto& item : printed.items())
        keys.push_back(item.key());
    ASSERT_EQ(keys.size(), 41u) << "line, 38 fields and the two channel tables";
    EXPECT_EQ(keys[0], "line");
    EXPECT_EQ(keys[1], "title");
    EXPECT_EQ(keys[2], "cardType");
    EXPECT_EQ(keys[14], "fileName");
    EXPECT_EQ(keys[38], "levelLow");
    EXPECT_EQ(keys[39], "aiChannels");
    EXPECT_EQ(keys[40], "aoChannels");
    EXPECT_EQ(printed["cardType"], 65535);
    EXPECT_EQ(printed["aiChannels"].size(), 128u);
    EXPECT_EQ(printed["aoChannels"].size(), 16u);
    EXPECT_EQ(printed["aoChannels"][15]["refVoltage"], 10.0);
}

TEST(RecordJson, FloatFieldsPrintTheirShortestForm) {
    const std::string printed = RecordToJson(CardLine::Classic, ParseRecordJson(R"({"level": 0.3})").record);
    EXPECT_NE(printed.find("\"level\": 0.3,"), std::string::npos);
}

} // namespace doz::generators
