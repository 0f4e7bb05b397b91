#include "viruveza/generators/code_generator.h"

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace doz::generators {

namespace {

using doz::test::ReadFile;
using doz::test::TempFolder;
using doz::test::WriteFile;

// Stand-in writers that exercise the frame and the dispatch without a real writer's body.
WriterOutcome FrameWriter(CodeWriter& writer) {
    writer.beginConstants(CardNumberForm::Spaces);
    writer.put("#define Extra\t1\n");
    writer.beginVariables();
    writer.put("U16 vi = 0;\n");
    writer.registerCard();
    writer.put("\terr = Call(cardID);\n");
    writer.negCheck();
    writer.put("\tfor(vi=0; vi<2; vi++) {\n");
    writer.put("\t       err = Call(cardID);\n");
    writer.loopNegCheck();
    writer.put("\t}\n");
    writer.errCheck();
    writer.releaseCard();
    return WriterOutcome::Written();
}

WriterOutcome ClassicDriverWriter(CodeWriter& writer) {
    writer.beginConstants(CardNumberForm::Tab, DriverApi::Classic);
    writer.beginVariables();
    writer.registerCard();
    writer.releaseCard();
    return WriterOutcome::Written();
}

WriterOutcome CardSpecificWriter(CodeWriter& writer) {
    writer.put("card-specific\n");
    return WriterOutcome::Written();
}

WriterOutcome GeneralWriter(CodeWriter& writer) {
    writer.put("general\n");
    return WriterOutcome::Written();
}

WriterOutcome DecliningWriter(CodeWriter& writer) {
    writer.put("half a file\n");
    return WriterOutcome::Nothing("no channel is enabled");
}

WriterOutcome FileNameWriter(CodeWriter& writer) {
    const char* fileName = writer.record().fileName;
    writer.putf("%s|%s|%s\n", fileName, fileName, fileName);
    return WriterOutcome::Written();
}

constexpr std::array<WriterEntry, 6> TestWriters = {{
    {CardLine::E400, 0, std::nullopt, FrameWriter},
    {CardLine::E400, 6, std::nullopt, ClassicDriverWriter},
    {CardLine::E400, 3, 8, CardSpecificWriter},
    {CardLine::E400, 3, std::nullopt, GeneralWriter},
    {CardLine::E400, 4, std::nullopt, DecliningWriter},
    {CardLine::E400, 5, std::nullopt, FileNameWriter},
}};

DeviceSetup Record(std::uint16_t cardType, std::uint16_t operation) {
    DeviceSetup record = InitialDeviceSetup();
    record.cardType = cardType;
    record.operation = operation;
    return record;
}

std::string Build(DeviceSetup record, CardLine line, GenerateResult* result = nullptr) {
    CodeGenerator generator(record, TestWriters);
    std::string text;
    const GenerateResult outcome = generator.build(line, text);
    if (result)
        *result = outcome;
    return text;
}

} // namespace

TEST(CodeFrame, E400FrameAroundAWritersLines) {
    DeviceSetup record = Record(2, 0);
    record.cardNumber = 3;
    EXPECT_EQ(Build(record, CardLine::E400), "// DAQ_E435 : Single-Point AI\n"
                                             "\n"
                                             "/********************************************************\n"
                                             " The following code segment is generated according to\n"
                                             " your device setup. You can copy and insert it into\n"
                                             " your program to operate your device.\n"
                                             " ********************************************************/\n"
                                             "\n"
                                             "#include \"z4uvarid.h\"\n"
                                             "\n"
                                             "//constants definition\n"
                                             "#define CardNumber    3\n"
                                             "#define Extra\t1\n"
                                             "\n"
                                             "//variables definition\n"
                                             "I16 cardID = -1;\n"
                                             "I16 err=0;\n"
                                             "U16 vi = 0;\n"
                                             "\n"
                                             "\tcardID = R4A_Register_Card(DAQ_E435, CardNumber);\n"
                                             "\tif (cardID<0) {\n"
                                             "\t       //Error occurs !!\n"
                                             "\t       //ToDo : Handle error here\n"
                                             "\t}\n"
                                             "\terr = Call(cardID);\n"
                                             "\tif (err<0) {\n"
                                             "\t       //Error occurs !!\n"
                                             "\t       //ToDo : Handle error here\n"
                                             "\t}\n"
                                             "\tfor(vi=0; vi<2; vi++) {\n"
                                             "\t       err = Call(cardID);\n"
                                             "\t       if (err<0) {\n"
                                             "\t              //Error occurs !!\n"
                                             "\t              //ToDo : Handle error here\n"
                                             "\t       }\n"
                                             "\t}\n"
                                             "\tif (err!=NoError) {\n"
                                             "\t       //Error occurs !!\n"
                                             "\t       //ToDo : Handle error here\n"
                                             "\t}\n"
                                             "\tR4A_Release_Card(cardID);\n");
}

TEST(CodeFrame, AnE400FileCanUseTheClassicDriver) {
    // The E400 timer/counter file names the E400 card but calls the classic library.
    const std::string text = Build(Record(1, 6), CardLine::E400);
    EXPECT_NE(text.find("// DAQ_E420 : General Purpose Timer/Counter\n"), std::string::npos);
    EXPECT_NE(text.find("#include \"zizev.h\"\n"), std::string::npos);
    EXPECT_NE(text.find("#define CardNumber\t0\n"), std::string::npos);
    EXPECT_NE(text.find("\n\tcardID = Register_Card(DAQ_E420, CardNumber);\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\tRelease_Card(cardID);\n"));
    EXPECT_EQ(text.find("R4A_"), std::string::npos);
}

TEST(Dispatch, FirstMatchingRowWinsSoCardRowsGoFirst) {
    EXPECT_EQ(Build(Record(8, 3), CardLine::E400), "card-specific\n");
    EXPECT_EQ(Build(Record(7, 3), CardLine::E400), "general\n");
}

TEST(Dispatch, RecordsThatGenerateNothing) {
    struct Case {
        DeviceSetup record;
        CardLine line;
        const char* message;
    };
    const Case cases[] = {
        {Record(NoCardChosen, 0), CardLine::E400, "no card is chosen (cardType 0xFFFF)"},
        {Record(2, 4), CardLine::E400, "no channel is enabled"},
        {Record(2, 7), CardLine::E400, "no writer for operation 7 on the E400 line"},
        {Record(2, 0), CardLine::Classic,
         "no writer for operation 0 (\"Single-Point AI\") on the classic line"},
        {Record(2, 0), static_cast<CardLine>(2), "no writer for operation 0 on card line 2"},
    };
    for (const Case& c : cases) {
        GenerateResult result{};
        EXPECT_EQ(Build(c.record, c.line, &result), "") << c.message;
        EXPECT_EQ(result.status, GenerateStatus::NothingGenerated) << c.message;
        EXPECT_EQ(result.message, c.message);
    }
}

TEST(Dispatch, BuiltInTableLeavesClassicContinuousAoWithoutAWriter) {
    DeviceSetup record = Record(20, 5);
    CodeGenerator generator(record);
    std::string text;
    const GenerateResult result = generator.build(CardLine::Classic, text);
    EXPECT_EQ(result.status, GenerateStatus::NothingGenerated);
    EXPECT_EQ(result.message, "no writer for operation 5 (\"Continuous AO\") on the classic line");
    EXPECT_TRUE(text.empty());

    record.operation = 10;
    EXPECT_EQ(generator.build(CardLine::Classic, text).status, GenerateStatus::NothingGenerated);
    record.operation = 0;
    EXPECT_TRUE(generator.build(CardLine::Classic, text).ok());
    EXPECT_FALSE(text.empty());
}

TEST(Dispatch, ADataFileNameWithoutEndInItsFieldIsRefused) {
    DeviceSetup record = Record(1, 5);
    std::fill(std::begin(record.fileName), std::end(record.fileName), 'a');
    CodeGenerator generator(record, TestWriters);
    std::string text;
    const GenerateResult result = generator.build(CardLine::E400, text);
    EXPECT_EQ(result.status, GenerateStatus::NothingGenerated);
    EXPECT_NE(result.message.find("would name another file"), std::string::npos) << result.message;
    EXPECT_TRUE(text.empty());

    record.fileName[255] = '\0'; // 255 bytes fit
    const std::string name(255, 'a');
    EXPECT_EQ(Build(record, CardLine::E400), name + "|" + name + "|" + name + "\n");
}

TEST(GeneratedFile, WrittenWholeOverAnOlderFile) {
    TempFolder dir;
    const std::string path = dir.file("DaqCode01.txt");
    WriteFile(path, std::string(20000, 'x'));
    DeviceSetup record = Record(8, 3);
    CodeGenerator generator(record, TestWriters);

    const GenerateResult result = generator.generate(CardLine::E400, path);

    EXPECT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(ReadFile(path), "card-specific\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file left";
}

TEST(GeneratedFile, NothingGeneratedLeavesTheFileAlone) {
    TempFolder dir;
    const std::string existing = dir.file("old.txt");
    WriteFile(existing, "old text");
    for (DeviceSetup record : {Record(NoCardChosen, 3), Record(2, 4), Record(2, 9)}) {
        CodeGenerator generator(record, TestWriters);
        EXPECT_EQ(generator.generate(CardLine::E400, existing).status, GenerateStatus::NothingGenerated);
        EXPECT_EQ(ReadFile(existing), "old text");
        EXPECT_EQ(generator.generate(CardLine::E400, dir.file("new.txt")).status,
                  GenerateStatus::NothingGenerated);
        EXPECT_FALSE(std::filesystem::exists(dir.file("new.txt")));
    }
}

TEST(GeneratedFile, AFileThatCannotBeCreatedIsAnErrorWithTheReason) {
    TempFolder dir;
    DeviceSetup record = Record(8, 3);
    CodeGenerator generator(record, TestWriters);

    const std::string missing = dir.file("no-such-folder/DaqCode01.txt");
    const GenerateResult noFolder = generator.generate(CardLine::E400, missing);
    EXPECT_EQ(noFolder.status, GenerateStatus::WriteFailed);
    EXPECT_EQ(noFolder.message, "cannot create \"" + missing + "\": No such file or directory");

    const std::string folder = dir.file("a-folder");
    std::filesystem::create_directory(folder);
    const GenerateResult onFolder = generator.generate(CardLine::E400, folder);
    EXPECT_EQ(onFolder.status, GenerateStatus::WriteFailed);
    EXPECT_NE(onFolder.message.find("cannot create \"" + folder + "\": "), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no partial file left";
}

} // namespace doz::generators
