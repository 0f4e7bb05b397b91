// The engine's device table and Revorur's card catalogue describe the same cards: every type code
// of one is known to the other, and what a panel offers (channels, ports, maximum rate) is what
// the engine accepts, so a rate the panel allows is never refused by the engine.
#include "device_table.h"

#include "revorur/devices/catalogue/capabilities.h"
#include "revorur/devices/catalogue/card_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace radezuvi {
namespace {

using doz::catalogue::PanelKind;

// The analog and digital figures a catalogue record gives for a code; absent where the code's
// panel gets no record.
struct CatalogueFigures {
    bool analog = false;
    int aiChannels = 0;
    double aiMaxRate = 0;
    bool analogOutputs = false;
    int aoChannels = 0;
    bool ports = false;
    int diPorts = 0;
    int doPorts = 0;
};

CatalogueFigures figuresOf(int code) {
    CatalogueFigures f;
    switch (doz::catalogue::PanelOfType(code)) {
    case PanelKind::Generic:
    case PanelKind::VirtualDevice: {
        const auto caps = doz::catalogue::BuildGenericCardCaps(code);
        f = {true, caps.ai.channelCount, caps.ai.maxRate,   true, caps.aoChannelCount,
             true, caps.dio.portCount,   caps.dio.portCount};
        break;
    }
    case PanelKind::Mxxx: {
        const auto caps = doz::catalogue::BuildAiCardCaps(code);
        f = {true, caps.ai.channelCount, caps.ai.maxRate,  false, 0,
             true, caps.di.portCount,    caps.dO.portCount};
        break;
    }
    case PanelKind::Dxxx: {
        const auto caps = doz::catalogue::BuildDioCardCaps(code);
        f = {false, 0, 0, false, 0, true, caps.di.portCount, caps.dO.portCount};
        break;
    }
    default:
        break;
    }
    return f;
}

TEST(CatalogueAgreement, EveryTypeCodeIsKnownToBoth) {
    for (const auto& type : doz::catalogue::AllCardTypes()) {
        EXPECT_NE(entryOfType(type.code), nullptr)
            << "catalogue code " << type.code << " unknown to the engine";
    }
    for (const DeviceEntry& entry : deviceTable()) {
        for (const int code : entry.typeCodes) {
            if (code != 0) {
                EXPECT_NE(doz::catalogue::FindCardType(code), nullptr)
                    << entry.name << " code " << code << " missing from the catalogue";
            }
        }
    }
}

TEST(CatalogueAgreement, ChannelsPortsAndRatesMatchForEveryCode) {
    std::map<const DeviceEntry*, double> fastestOfGroup;
    for (const auto& type : doz::catalogue::AllCardTypes()) {
        const DeviceEntry* entry = entryOfType(type.code);
        ASSERT_NE(entry, nullptr) << type.code;
        const DeviceCaps& engine = entry->caps;
        const CatalogueFigures cat = figuresOf(type.code);
        if (cat.analog) {
            EXPECT_EQ(engine.aiChannels, cat.aiChannels) << "AI channels of " << type.code;
            EXPECT_GE(engine.aiMaxRate, cat.aiMaxRate)
                << "the engine refuses rates the panel of " << type.code << " allows";
            fastestOfGroup[entry] = std::max(fastestOfGroup[entry], cat.aiMaxRate);
        }
        if (cat.analogOutputs) {
            EXPECT_EQ(engine.aoChannels, cat.aoChannels) << "AO channels of " << type.code;
        }
        if (cat.ports) {
            EXPECT_EQ(engine.diPorts, cat.diPorts) << "input ports of " << type.code;
            EXPECT_EQ(engine.doPorts, cat.doPorts) << "output ports of " << type.code;
        }
    }
    // An entry serves every sub-type of its group: its rate is that of the group's fastest.
    for (const auto& [entry, fastest] : fastestOfGroup) {
        EXPECT_EQ(entry->caps.aiMaxRate, fastest) << entry->name;
    }
    EXPECT_FALSE(fastestOfGroup.empty());
}

} // namespace
} // namespace radezuvi
