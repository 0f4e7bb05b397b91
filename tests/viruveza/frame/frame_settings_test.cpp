#include "common/platform/registry.h"
#include "tests/support/temp_registry.h"
#include "viruveza/frame/app_settings.h"
#include "viruveza/frame/file_types.h"
#include "viruveza/frame/recent_files.h"
#include "viruveza/frame/system_profile.h"

#include <gtest/gtest.h>

namespace doz::frame {
namespace {

using platform::RootKey;

class FrameSettings : public test::RegistryTest {};

std::string classesValue(const std::string& key) {
    const auto opened = platform::openKey(RootKey::ClassesRoot, key);
    return opened ? opened->readString("").value_or("<no value>") : "<no key>";
}

TEST_F(FrameSettings, FileTypesUnderClassesRoot) {
    ASSERT_TRUE(registerFileTypes("/opt/dozazar/bin/Ruzidavidez"));
    EXPECT_EQ(classesValue(".cwk"), "Viruveza.Document");
    EXPECT_EQ(classesValue(".daq"), "Viruveza.Document");
    EXPECT_EQ(classesValue("Viruveza.Document\\DefaultIcon"), "/opt/dozazar/bin/Ruzidavidez,2");
    EXPECT_EQ(classesValue("Viruveza.Document\\shell\\open\\command"), "/opt/dozazar/bin/Ruzidavidez %1");
    EXPECT_EQ(classesValue("Viruveza.Document\\shell\\open\\ddeexec"), "");
    EXPECT_EQ(classesValue("Viruveza.Document\\shell\\print\\command"), "/opt/dozazar/bin/Ruzidavidez /dde");
    EXPECT_EQ(classesValue("Viruveza.Document\\shell\\print\\ddeexec"), "[print(\"%1\")]");
    EXPECT_EQ(classesValue("Viruveza.Document\\shell\\printto\\command"),
              "/opt/dozazar/bin/Ruzidavidez /dde");
    EXPECT_EQ(classesValue("Viruveza.Document\\shell\\printto\\ddeexec"),
              "[printto(\"%1\",\"%2\",\"%3\",\"%4\")]");
}

TEST_F(FrameSettings, RecentFilesNewestFirstFourKept) {
    RecentFileList list;
    for (const char* path : {"/a/1.txt", "/a/2.txt", "/a/3.txt", "/a/4.txt", "/a/5.txt", "/a/3.txt"})
        list.add(path);
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"/a/3.txt", "/a/5.txt", "/a/4.txt", "/a/2.txt"}));
    ASSERT_TRUE(list.save());
    const auto key = platform::openKey(
        RootKey::CurrentUser,
        "Software\\Local AppWizard-Generated Applications\\Ruzidavidez\\Recent Project List");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString("File1"), "/a/3.txt");
    EXPECT_EQ(key->readString("File4"), "/a/2.txt");

    RecentFileList loaded;
    loaded.load();
    EXPECT_EQ(loaded.entries(), list.entries());
    loaded.remove("/a/5.txt");
    loaded.save();
    RecentFileList again;
    again.load();
    EXPECT_EQ(again.entries(), (std::vector<std::string>{"/a/3.txt", "/a/4.txt", "/a/2.txt"}));
}

TEST_F(FrameSettings, RecentFileNamesShortenedForTheMenu) {
    EXPECT_EQ(shortenedPath("/home/me/Test.txt"), "/home/me/Test.txt");
    const std::string longPath = "/home/engineer/projects/daq/e400/DaqCode01.txt";
    const std::string shown = shortenedPath(longPath);
    EXPECT_LE(shown.size(), 30u);
    EXPECT_EQ(shown, "/home/.../e400/DaqCode01.txt");
    EXPECT_EQ(shortenedPath("/home/engineer/projects/AVeryLongGeneratedCodeFileName.txt"),
              "AVeryLongGeneratedCodeFileName.txt");
}

TEST_F(FrameSettings, PreviewPagesWrittenOnlyWhenSet) {
    EXPECT_EQ(loadPreviewPages(), 0u);
    savePreviewPages(0);
    EXPECT_FALSE(platform::openKey(RootKey::CurrentUser, sectionPath(kSettingsSection)));
    savePreviewPages(2);
    EXPECT_EQ(loadPreviewPages(), 2u);
}

TEST_F(FrameSettings, SystemProfileTexts) {
    EXPECT_EQ(processorTypeName(586), "Intel Pentium");
    EXPECT_EQ(processorTypeName(21064), "Alpha");
    EXPECT_EQ(processorTypeName(8664), "Unknown");
    EXPECT_EQ(processorArchitectureName(0), "Pentium");
    EXPECT_EQ(processorArchitectureName(3), "PPC");
    EXPECT_EQ(processorArchitectureName(9), "Unknown");
    EXPECT_EQ(processorArchitectureName(0xFFFF), "Unknown");
    EXPECT_EQ(kilobytes(2048 * 1024), "   2048 KB");

    platform::SystemInfo info;
    info.windowsProcessorType = 486;
    info.processorCount = 4;
    info.windowsArchitectureCode = 1;
    info.minApplicationAddress = 0x10000;
    info.availablePhysicalMemory = 1024 * 1024;
    info.availableVirtualMemory = 512 * 1024;
    const auto lines = systemProfileLines(info, 0);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].label, "Processor :");
    EXPECT_EQ(lines[0].value, "Intel 486");
    EXPECT_EQ(lines[1].value, "4");
    EXPECT_EQ(lines[2].value, "MIPS");
    EXPECT_EQ(lines[3].value, "");
    EXPECT_EQ(lines[4].value, "0x0000000000010000");
    EXPECT_EQ(lines[7].label, "Avaliable physical memory :");
    EXPECT_EQ(lines[10].label, "Total avaliable memory :");
    EXPECT_EQ(lines[10].value, "   1536 KB");
    EXPECT_EQ(systemProfileLines(info, 2400)[3].value, "2400 MHz");
}

TEST_F(FrameSettings, ProcessorClockFromTheMachineKey) {
    platform::SystemInfo info;
    info.processorMhz = 1800;
    EXPECT_EQ(processorClockMhz(info), 1800u);
    auto key =
        platform::createKey(RootKey::LocalMachine, "Hardware\\Description\\System\\CentralProcessor\\0");
    ASSERT_TRUE(key);
    key->writeDword("~MHz", 2394);
    EXPECT_EQ(processorClockMhz(info), 2394u);
}

} // namespace
} // namespace doz::frame
