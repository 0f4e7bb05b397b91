#include "revorur/devices/catalogue/capabilities.h"
#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/catalogue/code_texts.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace doz::catalogue {
namespace {

std::vector<int> rangesOf(const AiCapability& ai) {
    return {ai.ranges, ai.ranges + ai.rangeCount};
}
std::vector<int> referencesOf(const AiCapability& ai) {
    return {ai.references, ai.references + ai.referenceCount};
}
std::vector<int> modesOf(const AiCapability& ai) {
    return {ai.modes, ai.modes + ai.modeCount};
}

} // namespace

TEST(GenericCardCaps, VirtualDeviceAndE400Cards) {
    const auto virt = BuildGenericCardCaps(1);
    EXPECT_EQ(virt.typeCode, 1);
    EXPECT_EQ(virt.ai.channelCount, 4);
    EXPECT_EQ(modesOf(virt.ai), (std::vector<int>{0, 1}));
    EXPECT_EQ(rangesOf(virt.ai), (std::vector<int>{201, 202}));
    EXPECT_EQ(referencesOf(virt.ai), (std::vector<int>{301}));
    EXPECT_DOUBLE_EQ(virt.ai.maxRate, 100'000);
    EXPECT_EQ(virt.aoChannelCount, 2);
    ASSERT_EQ(virt.dio.portCount, 3);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(virt.dio.widths[p], 8);

    const auto e430 = BuildGenericCardCaps(1550);
    EXPECT_EQ(e430.ai.channelCount, 64);
    EXPECT_EQ(rangesOf(e430.ai), (std::vector<int>{201, 202, 203, 205}));
    EXPECT_EQ(referencesOf(e430.ai), (std::vector<int>{300, 301, 302}));
    EXPECT_DOUBLE_EQ(e430.ai.maxRate, 3'000'000);

    EXPECT_EQ(BuildGenericCardCaps(1580).aoChannelCount, 0);
    EXPECT_EQ(BuildGenericCardCaps(1580).ai.channelCount, 96);
    EXPECT_EQ(BuildGenericCardCaps(1590).aoChannelCount, 0);
    EXPECT_EQ(BuildGenericCardCaps(1600).aoChannelCount, 2);

    const auto e460 = BuildGenericCardCaps(1610);
    EXPECT_EQ(e460.ai.channelCount, 8);
    EXPECT_EQ(rangesOf(e460.ai), (std::vector<int>{201}));
    EXPECT_EQ(referencesOf(e460.ai), (std::vector<int>{300}));
    EXPECT_DOUBLE_EQ(e460.ai.maxRate, 400'000);
    EXPECT_EQ(e460.aoChannelCount, 8);
    EXPECT_EQ(BuildGenericCardCaps(1620).aoChannelCount, 4);
}

TEST(AiCardCaps, MultifunctionCards) {
    const auto m610 = BuildAiCardCaps(330);
    EXPECT_EQ(m610.typeCode, 330);
    EXPECT_EQ(m610.ai.channelCount, 16);
    EXPECT_EQ(rangesOf(m610.ai), (std::vector<int>{201, 202, 203, 205, 207}));
    EXPECT_EQ(referencesOf(m610.ai), (std::vector<int>{300}));
    EXPECT_EQ(m610.di.portCount, 1);
    EXPECT_EQ(m610.dO.portCount, 1);

    EXPECT_DOUBLE_EQ(BuildAiCardCaps(350).ai.maxRate, 110'000);
    EXPECT_EQ(rangesOf(BuildAiCardCaps(380).ai), (std::vector<int>{201, 206, 212}));
    EXPECT_DOUBLE_EQ(BuildAiCardCaps(390).ai.maxRate, 250'000);
    EXPECT_EQ(rangesOf(BuildAiCardCaps(410).ai), (std::vector<int>{202, 203, 205}));
    EXPECT_DOUBLE_EQ(BuildAiCardCaps(420).ai.maxRate, 333'000);
    EXPECT_DOUBLE_EQ(BuildAiCardCaps(440).ai.maxRate, 100'000);

    std::vector<std::string_view> m450Ranges;
    const auto m450 = BuildAiCardCaps(450);
    for (int r : rangesOf(m450.ai))
        m450Ranges.push_back(RangeText(r));
    EXPECT_EQ(m450Ranges, (std::vector<std::string_view>{"+/- 5V", "+/- 1V", "+/- 0.5V", "+/- 0.2V"}));
}

TEST(AiCardCaps, M630OffersAllSixOfItsRanges) {
    const auto m630 = BuildAiCardCaps(360);
    EXPECT_EQ(rangesOf(m630.ai), (std::vector<int>{201, 202, 206, 208, 212, 213}));
    EXPECT_EQ(m630.di.portCount, 0);
    EXPECT_EQ(m630.dO.portCount, 0);
}

TEST(AiCardCaps, DigitizersAcquireContinuouslyOnly) {
    for (int code : {460, 470, 1000}) {
        const auto caps = BuildAiCardCaps(code);
        EXPECT_EQ(modesOf(caps.ai), (std::vector<int>{0})) << code;
        EXPECT_EQ(rangesOf(caps.ai), (std::vector<int>{202, 206})) << code;
        EXPECT_EQ(referencesOf(caps.ai), (std::vector<int>{301})) << code;
    }
    EXPECT_DOUBLE_EQ(BuildAiCardCaps(470).ai.maxRate, 20'000'000);
    EXPECT_EQ(BuildAiCardCaps(1000).ai.channelCount, 2);
    EXPECT_DOUBLE_EQ(BuildAiCardCaps(1000).ai.maxRate, 60'000'000);
}

TEST(CapabilityRecords, UnlistedCodesGetTheDefaults) {
    const auto generic = BuildGenericCardCaps(777);
    EXPECT_EQ(generic.typeCode, 777);
    EXPECT_EQ(generic.ai.channelCount, 0);
    EXPECT_EQ(modesOf(generic.ai), (std::vector<int>{0, 1}));
    EXPECT_EQ(generic.ai.rangeCount, 0);
    EXPECT_EQ(referencesOf(generic.ai), (std::vector<int>{301}));
    EXPECT_DOUBLE_EQ(generic.ai.maxRate, 100'000);
    EXPECT_EQ(generic.aoChannelCount, 0);
    EXPECT_EQ(generic.dio.portCount, 0);

    const auto ai = BuildAiCardCaps(480);
    EXPECT_EQ(ai.typeCode, 480);
    EXPECT_EQ(ai.di.portCount, 0);
    EXPECT_EQ(ai.dO.portCount, 0);

    const auto dio = BuildDioCardCaps(60);
    EXPECT_EQ(dio.typeCode, 60);
    EXPECT_EQ(dio.di.portCount, 0);
    EXPECT_EQ(dio.dO.portCount, 0);
}

TEST(DioCardCaps, PortCounts) {
    const auto d250 = BuildDioCardCaps(200);
    EXPECT_EQ(d250.di.portCount, 12);
    EXPECT_EQ(d250.dO.portCount, 12);
    EXPECT_EQ(BuildDioCardCaps(90).di.portCount, 1);
    EXPECT_EQ(BuildDioCardCaps(90).dO.portCount, 0);
    EXPECT_EQ(BuildDioCardCaps(260).di.portCount, 2);
    EXPECT_EQ(BuildDioCardCaps(260).dO.portCount, 0);
    EXPECT_EQ(BuildDioCardCaps(290).di.portCount, 10);
    EXPECT_EQ(BuildDioCardCaps(290).dO.portCount, 2);
    EXPECT_EQ(BuildDioCardCaps(310).dO.portCount, 4);
    EXPECT_EQ(BuildDioCardCaps(140).di.portCount, 1) << "its own row";
}

TEST(DioCardCaps, D235OpensWithTheRecordOfTheD236) {
    const auto caps = BuildDioCardCaps(CapabilityCodeOfType(140));
    EXPECT_EQ(caps.di.portCount, 4);
    EXPECT_EQ(caps.dO.portCount, 4);
}

} // namespace doz::catalogue
