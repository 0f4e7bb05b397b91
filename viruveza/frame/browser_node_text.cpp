#include "viruveza/frame/browser_node_text.h"

#include <array>
#include <cstdio>

namespace doz::frame {

namespace {

constexpr std::array<const char*, 37> kClassicCards = {
    "",           "PCI-A120V",      "PCI-A120A", "PCI-A130V",  "PCI-A130A",  "PCI-D210",   "PCI-D220",
    "PCI-D223",   "PCI-D224",       "PCI-D230",  "cPCI-D231",  "PCI-D235",   "cPCI-D237",  "PCI-D250",
    "",           "PCI-D260A_RevB", "PCI-D280",  "PCI-D281",   "PCI-D282",   "PCI-T310",   "PCI-M610DG",
    "PCI-M610HR", "PCI-M620",       "PCI-M630",  "PCI-M640DG", "PCI-M640HG", "PCI-M660DG", "PCI-M660HG",
    "PCI-M660HR", "PCI-S710",       "PCI-S720",  "PCI-D270",   "cPCI-M650",  "PCI-D240",   "PCI-D242",
    "PCI-D245",   "PCI-D295",
};

constexpr std::array<const char*, 13> kE400Cards = {
    "",         "DAQ-E420", "DAQ-E435", "DAQ-E440", "DAQ-E410", "DAQ-E430", "DAQ-E415",
    "DAQ-E460", "DAQ-E465", "DAQ-E445", "DAQ-E450", "DAQ-E455", "DAQ-E425",
};

constexpr std::array<const char*, 10> kClassicOperations = {
    "AI", "AO", "DI", "DO", "ContAI", "ContAO", "ContDI", "ContDO", "Interrupt Event", "Counter",
};

constexpr std::array<const char*, 7> kE400Operations = {
    "Single-Point AI",
    "Continuous AI",
    "Analog Output",
    "Continuous AO (Waveform)",
    "Digital Input",
    "Digital Output",
    "General Purpose Timer/Counter",
};

template <std::size_t N> std::string at(const std::array<const char*, N>& table, std::uint16_t index) {
    return index < N ? table[index] : "";
}

template <typename... Args> std::string format(const char* pattern, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

std::string channelText(int channel) {
    return format("Ch#%d", channel);
}

std::string channelsText(const generators::DeviceSetup& record) {
    if (record.channelCount <= 1)
        return channelText(record.channel);
    return format("Ch#%d - Ch#%d", 0, record.channelCount - 1);
}

std::string rateText(double hertz) {
    return format("%.0f Hz", hertz);
}

std::string scansText(std::uint32_t scans) {
    return format("%u Scans", scans);
}

void addClassicParameters(std::vector<std::string>& texts, std::uint16_t operation,
                          const generators::DeviceSetup& record) {
    if (operation >= 4 && operation <= 7) {
        texts.push_back(rateText(record.sampleRate));
        texts.push_back(scansText(record.scanCount));
        texts.push_back(operation >= 6 ? channelText(0) : channelsText(record));
    } else if (operation == 8) {
        texts.push_back(format("INT%d", record.channel + 1));
    } else if (record.cardType == 5 || record.cardType == 15) {
        texts.push_back(format("%d bits", record.portWidth));
    } else {
        texts.push_back(channelText(record.channel));
    }
}

// The E465 keeps its rate as a scan interval of the 40 MHz time base; an interval of 0 has
// no rate and shows the record's own value.
double e400Rate(const generators::DeviceSetup& record) {
    if (record.cardType == 8 && record.scanInterval != 0)
        return 40000000.0 / record.scanInterval;
    return record.sampleRate;
}

void addE400Parameters(std::vector<std::string>& texts, std::uint16_t operation,
                       const generators::DeviceSetup& record) {
    if (operation == 1 || operation == 3) {
        texts.push_back(rateText(e400Rate(record)));
        texts.push_back(scansText(record.scanCount));
        texts.push_back(channelsText(record));
    } else {
        texts.push_back(channelText(record.channel));
    }
}

} // namespace

std::string browserCardLabel(int line, std::uint16_t cardType) {
    if (line == 0)
        return at(kClassicCards, cardType);
    if (line == 1)
        return at(kE400Cards, cardType);
    return "";
}

std::string browserOperationLabel(int line, std::uint16_t operation) {
    if (line == 0)
        return at(kClassicOperations, operation);
    if (line == 1)
        return at(kE400Operations, operation);
    return "";
}

std::vector<std::string> browserChildTexts(int line, std::uint16_t operation,
                                           const generators::DeviceSetup& record) {
    std::vector<std::string> texts{browserCardLabel(line, record.cardType),
                                   browserOperationLabel(line, operation)};
    if (line == 0)
        addClassicParameters(texts, operation, record);
    else if (line == 1)
        addE400Parameters(texts, operation, record);
    return texts;
}

} // namespace doz::frame
