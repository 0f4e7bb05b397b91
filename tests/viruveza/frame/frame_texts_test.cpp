#include "tests/support/temp_folder.h"
#include "viruveza/frame/browser_node_text.h"
#include "viruveza/frame/frame_messages.h"
#include "viruveza/frame/start_up.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace doz::frame {
namespace {

using Texts = std::vector<std::string>;

TEST(FrameMessages, CodeSourceNameAndTheTxtRule) {
    EXPECT_EQ(codeSourceName("Test.txt"), "Test");
    EXPECT_EQ(codeSourceName("demo.TXT.bak"), "demo.bak");
    EXPECT_EQ(codeSourceName("a.txt.txt"), "a.txt");
    EXPECT_EQ(codeSourceName("notes"), "notes");
    EXPECT_TRUE(isCodeFileName("/data/CODE.TXT"));
    EXPECT_TRUE(isCodeFileName("demo.TXT.bak"));
    EXPECT_FALSE(isCodeFileName("/data/notes.csv"));
    EXPECT_FALSE(isCodeFileName("/data/old.txt/notes.csv")); // a folder's name does not count
}

TEST(FrameMessages, LinesOfTheMessageWindow) {
    EXPECT_EQ(message::invalidFormat(),
              "Ruzidavidez Error : Invalid file format! This file is NOT a Ruzidavidez file!");
    EXPECT_EQ(message::opened("Test"),
              "Ruzidavidez Message : Code source <Test> - Code source has successfully opened ...");
    EXPECT_EQ(message::setActive("Test"),
              "Ruzidavidez Message : Code source <Test> - Set as active code source ...");
    EXPECT_EQ(message::activeSwitched("Two"), "Radiduzero Message : Active code source switched to <Two>");
    EXPECT_EQ(message::openFailed("Gone", "/d/Gone.txt", "No such file or directory"),
              "Ruzidavidez Error : Code source <Gone> - Open code source failed! /d/Gone.txt: No such file "
              "or directory");
    EXPECT_EQ(message::generationFailed("Wave", "no channel is enabled"),
              "Ruzidavidez Error : Code source <Wave> - no channel is enabled");
    EXPECT_EQ(
        message::saveFailed("A", "/x/A.txt", "read-only").rfind("Ruzidavidez Error : Code source <A> - ", 0),
        0u);
}

generators::DeviceSetup record(std::uint16_t cardType) {
    generators::DeviceSetup setup = generators::InitialDeviceSetup();
    setup.cardType = cardType;
    return setup;
}

TEST(BrowserNodeText, ClassicNodes) {
    generators::DeviceSetup ai = record(20); // PCI-M610DG, continuous AI over channels 0 to 3
    ai.sampleRate = 1000.0;
    ai.scanCount = 4096;
    ai.channelCount = 4;
    EXPECT_EQ(browserChildTexts(0, 4, ai),
              (Texts{"PCI-M610DG", "ContAI", "1000 Hz", "4096 Scans", "Ch#0 - Ch#3"}));
    ai.channelCount = 1;
    ai.channel = 5;
    EXPECT_EQ(browserChildTexts(0, 4, ai)[4], "Ch#5");
    EXPECT_EQ(browserChildTexts(0, 6, ai)[4], "Ch#0"); // continuous DI shows channel 0
    generators::DeviceSetup interrupt = record(6);
    interrupt.channel = 1;
    EXPECT_EQ(browserChildTexts(0, 8, interrupt), (Texts{"PCI-D220", "Interrupt Event", "INT2"}));
    generators::DeviceSetup d210 = record(5);
    d210.portWidth = 32;
    EXPECT_EQ(browserChildTexts(0, 2, d210), (Texts{"PCI-D210", "DI", "32 bits"}));
    generators::DeviceSetup ao = record(3);
    EXPECT_EQ(browserChildTexts(0, 1, ao), (Texts{"PCI-A130V", "AO", "Ch#0"}));
    EXPECT_EQ(browserCardLabel(0, 10), "cPCI-D231");
    EXPECT_EQ(browserCardLabel(0, 14), "");
    EXPECT_EQ(browserCardLabel(0, 37), "");
    EXPECT_EQ(browserOperationLabel(0, 9), "Counter");
}

TEST(BrowserNodeText, E400Nodes) {
    generators::DeviceSetup wave = record(8); // DAQ-E465: rate of the 40 MHz time base
    wave.scanInterval = 400;
    wave.scanCount = 1000;
    wave.channelCount = 2;
    EXPECT_EQ(browserChildTexts(1, 3, wave),
              (Texts{"DAQ-E465", "Continuous AO (Waveform)", "100000 Hz", "1000 Scans", "Ch#0 - Ch#1"}));
    wave.scanInterval = 0; // no interval: no division, the record's rate
    wave.sampleRate = 5.0;
    EXPECT_EQ(browserChildTexts(1, 3, wave)[2], "5 Hz");
    generators::DeviceSetup ai = record(1);
    ai.channel = 2;
    EXPECT_EQ(browserChildTexts(1, 0, ai), (Texts{"DAQ-E420", "Single-Point AI", "Ch#2"}));
    EXPECT_EQ(browserOperationLabel(1, 6), "General Purpose Timer/Counter");
    EXPECT_EQ(browserCardLabel(1, 12), "DAQ-E425");
}

TEST(StartUp, CardLineOfTheCommandLine) {
    EXPECT_EQ(cardLineFromArguments({"Ruzidavidez"}), 0);
    EXPECT_EQ(cardLineFromArguments({"Ruzidavidez", "1"}), 1);
    EXPECT_EQ(cardLineFromArguments({"Ruzidavidez", "Test.txt"}), 0);
    EXPECT_EQ(cardLineFromArguments({"Ruzidavidez", "1", "0"}), 1);
    EXPECT_EQ(cardLineFromArguments({}), 0);
}

TEST(StartUp, StartFolderFallsBackToHome) {
    const std::filesystem::path before = std::filesystem::current_path();
    const test::TempFolder scratch;
    const std::filesystem::path gone = scratch.file("gone");
    std::filesystem::create_directories(gone);
    EXPECT_EQ(startFolder("/home/someone"), std::filesystem::current_path());
    std::filesystem::current_path(gone);
    std::filesystem::remove(gone);
    EXPECT_EQ(startFolder("/home/someone"), "/home/someone");
    std::filesystem::current_path(before);
}

} // namespace
} // namespace doz::frame
