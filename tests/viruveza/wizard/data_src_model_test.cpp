#include "viruveza/wizard/data_src_model.h"

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "viruveza/wizard/wizard_routes.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace doz::wizard {
namespace {

namespace fs = std::filesystem;

class DataSrcModelTest : public ::testing::Test {
protected:
    void SetUp() override { model_.firstDisplay(dir_.path()); }

    void touch(const fs::path& file) { test::WriteFile(file, "kept"); }
    std::string folder() const { return dir_.path().string() + "/"; }

    test::TempFolder dir_;
    DataSrcModel model_;
};

TEST_F(DataSrcModelTest, FirstDisplayDefaults) {
    EXPECT_EQ(model_.codeFileName(), "DaqCode01");
    EXPECT_EQ(model_.location(), folder());
    EXPECT_EQ(model_.line(), kClassicLine);
    EXPECT_EQ(model_.cardIndex(), 0);
    EXPECT_EQ(model_.operationCode(), 1); // PCIA120: Analog Output first
    EXPECT_EQ(model_.targetPage(), kAoConfigPage);
}

TEST_F(DataSrcModelTest, NameChecksComeFirstAndRefuseWhatIsNoFileName) {
    for (const char* name : {"", "   ", "\t"}) {
        model_.setCodeFileName(name);
        EXPECT_EQ(model_.nameProblem(), "You must assign the File Name!") << "[" << name << "]";
    }
    for (const char* name : {"sub/Test", "..\\Test", "/Test"}) {
        model_.setCodeFileName(name);
        ASSERT_TRUE(model_.nameProblem()) << name;
        EXPECT_NE(model_.nameProblem()->find("separator"), std::string::npos);
    }
    model_.setCodeFileName("..");
    EXPECT_TRUE(model_.nameProblem());
    model_.setCodeFileName("Test");
    EXPECT_FALSE(model_.nameProblem());
}

TEST_F(DataSrcModelTest, LocationGetsOneSeparatorNeverTwo) {
    model_.setLocation(dir_.path().string());
    EXPECT_EQ(model_.location(), folder());
    model_.setLocation(dir_.path().string() + "//");
    EXPECT_EQ(model_.location(), folder());
    model_.setCodeFileName("Test");
    EXPECT_EQ(model_.choice().outputPath, folder() + "Test");
    EXPECT_EQ(model_.targetFile(), dir_.file("Test.txt"));
    model_.setLocation("");
    EXPECT_EQ(model_.location(), folder());
    model_.setLocation("/");
    EXPECT_EQ(model_.location(), "/");
}

TEST_F(DataSrcModelTest, ReplaceQuestionTestsExactlyTheFileThatIsWritten) {
    model_.setCodeFileName("Test");
    EXPECT_FALSE(model_.replaceQuestion());
    touch(dir_.file("Test.txt"));
    ASSERT_TRUE(model_.replaceQuestion());
    EXPECT_EQ(*model_.replaceQuestion(), "The current folder contains an existing file <" +
                                             dir_.file("Test.txt").string() +
                                             ">.\nDo you want to replace the existing file?");

    // The name already holds ".txt": the file written is the name itself.
    model_.setCodeFileName("demo.TXT.bak");
    touch(dir_.file("demo.TXT.bak.txt"));
    EXPECT_FALSE(model_.replaceQuestion());
    touch(dir_.file("demo.TXT.bak"));
    ASSERT_TRUE(model_.replaceQuestion());
    EXPECT_NE(model_.replaceQuestion()->find("<" + dir_.file("demo.TXT.bak").string() + ">"),
              std::string::npos);

    // A folder of that name is not a file to replace.
    model_.setCodeFileName("Folder");
    fs::create_directory(dir_.file("Folder.txt"));
    EXPECT_FALSE(model_.replaceQuestion());
}

TEST_F(DataSrcModelTest, MissingLocationIsCreatedOrItsFailureReported) {
    model_.setLocation(dir_.file("new").string());
    EXPECT_TRUE(model_.locationMissing());
    EXPECT_EQ(model_.createFolderQuestion(),
              "The directory <" + folder() + "new/> doesnot exist, do you Create the directory ?");
    EXPECT_FALSE(model_.createLocation());
    EXPECT_TRUE(fs::is_directory(dir_.file("new")));
    EXPECT_FALSE(model_.locationMissing());

    touch(dir_.file("plain"));
    model_.setLocation(dir_.file("plain/sub").string());
    ASSERT_TRUE(model_.locationMissing());
    const auto failure = model_.createLocation();
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("cannot be created"), std::string::npos);

    model_.setLocation(dir_.file("plain").string());
    EXPECT_FALSE(model_.locationMissing());
    EXPECT_TRUE(model_.locationProblem());
}

TEST_F(DataSrcModelTest, LineAndCardSelection) {
    model_.selectCard(20); // PCIT310
    EXPECT_EQ(model_.operationCode(), 9);
    EXPECT_EQ(model_.targetPage(), kDioConfigPage);
    model_.selectLine(kClassicLine); // the line already shown: nothing is reset
    EXPECT_EQ(model_.cardIndex(), 20);
    model_.selectCard(27);
    EXPECT_EQ(model_.operationCode(), 4);
    EXPECT_EQ(model_.targetPage(), kCardCfgPage);

    model_.selectLine(kE400Line);
    EXPECT_EQ(model_.cardIndex(), 0);
    EXPECT_EQ(model_.operationSelection(), 0);
    model_.selectCard(11);
    model_.selectOperation(3);
    EXPECT_EQ(model_.operationCode(), 3);
    EXPECT_EQ(model_.targetPage(), kWaveformPage);
    model_.selectCard(10);
    model_.selectOperation(3);
    EXPECT_EQ(model_.targetPage(), kR4aCardCfgPage);
    model_.selectCard(7); // DAQE445
    model_.selectOperation(2);
    EXPECT_EQ(model_.operationCode(), 4);
    EXPECT_EQ(model_.targetPage(), kDioConfigPage);
    model_.selectOperation(9); // outside the list: kept
    EXPECT_EQ(model_.operationSelection(), 2);

    model_.selectLine(5); // neither line reads as the classic line
    EXPECT_EQ(model_.line(), kClassicLine);
}

} // namespace
} // namespace doz::wizard
