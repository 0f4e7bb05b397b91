#include "compile_check.h"
#include "golden_files.h"
#include "tests/support/files.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/cli/record_json.h"
#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/operation_names.h"

#include <gtest/gtest.h>

#include <set>

namespace doz::generators {

namespace {

using namespace testing;
using namespace doz::test;

std::string Generate(DeviceSetup record, CardLine line) {
    CodeGenerator generator(record);
    std::string text;
    const GenerateResult result = generator.build(line, text);
    EXPECT_TRUE(result.ok()) << result.message;
    return text;
}

struct CompileCase {
    std::string name;
    std::string text;
};

void PrintTo(const CompileCase& compileCase, std::ostream* os) {
    *os << compileCase.name;
}

// Golden records holding codes outside the tables: their empty names cannot compile.
// Interrupt callbacks, below them, keep the placeholders the user completes ("\t.....").
const std::set<std::string> OutsideTheTables = {
    "ai-card-outside-table",
    "ai-m660hr-empty-range",
    "ai-s720-no-data-type",
    "ao-a120a-empty-mode",
    "ao-a130a-empty-mode",
    "di-d230-port-outside-list",
    "ctr-mode-outside-table",
    "cai-s720-codes-outside-tables",
    "cdi-d260-width-24-no-type",
    "cdo-d210-clock-2-empty-name",
    "int-m610-card-outside-table",
    "int-d220-source-outside-list",
    "int-d220-source0-callback",
    "int-d245-cos-callback",
    "int-d260-aux-callback",
    "int-d260-timer-callback",
    "int-d270-source4-callback",
    "int-d295-callback",
    // E400: a port index and an analog-trigger source outside the tables.
    "e400-di-port-outside-table",
    "e400-cai-analog-source-unnamed",
};

std::vector<CompileCase> GoldenCases() {
    std::vector<CompileCase> cases;
    for (const std::string& name : GoldenNames()) {
        if (OutsideTheTables.count(name))
            continue;
        GenerationRequest request = ParseRecordJson(ReadFile(GoldenRecordPath(name)));
        cases.push_back({"golden_" + TestNameOf(name), Generate(request.record, request.line)});
    }
    return cases;
}

// Every card that offers single-point AI, in both data formats and every mode word, with the
// range codes taken in turn so that each range name is compiled somewhere.
std::vector<CompileCase> SinglePointAiCases() {
    using namespace classic_card;
    struct Card {
        std::uint16_t type;
        std::uint16_t DeviceSetup::*flags;
        std::vector<std::uint16_t> flagValues;
    };
    const Card cards[] = {
        {M610DG, nullptr, {0}},
        {M610HR, nullptr, {0}},
        {M620, nullptr, {0}},
        {M630, nullptr, {0}},
        {M640DG, nullptr, {0}},
        {M640HG, nullptr, {0}},
        {M660DG, &DeviceSetup::modeFlags, {0, 2}},
        {M660HG, &DeviceSetup::modeFlags, {0, 2}},
        {M660HR, &DeviceSetup::modeFlags, {0, 2}},
        {M650, &DeviceSetup::configFlags, {0, 1, 2, 3}},
    };
    std::vector<CompileCase> cases;
    std::uint16_t range = 0;
    for (const Card& card : cards) {
        for (std::uint16_t dataFormat : {0, 1}) {
            for (std::uint16_t flags : card.flagValues) {
                DeviceSetup record = InitialDeviceSetup();
                record.cardType = card.type;
                record.operation = classic_operation::SinglePointAi;
                record.dataFormat = dataFormat;
                record.adRange = static_cast<std::uint16_t>(range++ % 22 + 1);
                record.channel = 2;
                if (card.flags)
                    record.*card.flags = flags;
                cases.push_back({"ai_" + std::string(CardConstant(CardLine::Classic, card.type)) + "_format" +
                                     std::to_string(dataFormat) + "_flags" + std::to_string(flags),
                                 Generate(record, CardLine::Classic)});
            }
        }
    }
    return cases;
}

// Every card that offers analog output, in each of its modes; the A130V on both channel groups.
std::vector<CompileCase> AnalogOutputCases() {
    using namespace classic_card;
    std::vector<CompileCase> cases;
    for (std::uint16_t card : {A120V, A120A, A130V, A130A, M610DG, M610HR, M620, M660DG, M660HG, M660HR}) {
        for (std::uint16_t mode : {0, 1, 2}) {
            for (std::uint16_t channel : {3, 4}) {
                if (card != A130V && channel == 4)
                    continue;
                DeviceSetup record = InitialDeviceSetup();
                record.cardType = card;
                record.operation = classic_operation::AnalogOutput;
                record.outputMode = mode;
                record.channel = channel;
                record.level = 5.0f;
                record.sampleRate = -2.5;
                cases.push_back({"ao_" + std::string(CardConstant(CardLine::Classic, card)) + "_mode" +
                                     std::to_string(mode) + "_channel" + std::to_string(channel),
                                 Generate(record, CardLine::Classic)});
            }
        }
    }
    return cases;
}

std::vector<CompileCase> AllCases() {
    std::vector<CompileCase> cases = GoldenCases();
    for (auto&& more : {SinglePointAiCases(), AnalogOutputCases()})
        cases.insert(cases.end(), more.begin(), more.end());
    return cases;
}

class GeneratedFile : public ::testing::TestWithParam<CompileCase> {};

TEST_P(GeneratedFile, Compiles) {
    const CompileOutcome outcome = CompileFragment(GetParam().text);
    EXPECT_TRUE(outcome.compiled) << outcome.report;
}

INSTANTIATE_TEST_SUITE_P(InTheTables, GeneratedFile, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return info.param.name; });

// The wrapper and the compiler must be able to fail, or the cases above prove nothing.
TEST(CompileCheck, WrapsStatementsIntoAFunction) {
    EXPECT_EQ(
        WrapFragment("#define A\t1\nI16 x = 0;\n\n\tx = A;\n\tif (x) {\n\t}\n"),
        "#define A\t1\nI16 x = 0;\n\n\nvoid GeneratedFragment(void)\n{\n\tx = A;\n\tif (x) {\n\t}\n}\n");
}

TEST(CompileCheck, RejectsEmptyNamesAndUnknownCalls) {
    EXPECT_TRUE(CompileFragment("#include \"zizev.h\"\nI16 err=0;\n\terr = Release_Card(0);\n").compiled);
    EXPECT_FALSE(
        CompileFragment("#include \"zizev.h\"\nI16 err=0;\n\terr = AO_A120A_Config(0, );\n").compiled);
    EXPECT_FALSE(CompileFragment("#include \"zizev.h\"\nI16 err=0;\n\terr = Undeclared_Call(0);\n").compiled);
    EXPECT_FALSE(CompileFragment("#include \"zizev.h\"\n AdValue = 0;\n").compiled);
}

} // namespace

} // namespace doz::generators
