// Every classic card with every operation the wizard offers it, over a spread of field values:
// records inside the tables generate and compile; records outside them generate or say why.

#include "classic_samples.h"
#include "compile_check.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/cli/record_json.h"
#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/operation_names.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace doz::generators {

namespace {

using namespace testing;

// An interrupt callback without the parts the user completes: the "\t....." line and the
// callback body after the card release.
std::string WithoutCallbackPlaceholders(std::string text) {
    if (const std::size_t dots = text.find("\t.....\n"); dots != std::string::npos)
        text.erase(dots, 7);
    if (const std::size_t body = text.find("\t\n\n//callback function code body\n");
        body != std::string::npos)
        text.erase(body);
    return text;
}

bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The text with every number written as a value reduced to 0: fragments that differ only in
// their values compile alike, so each shape is compiled once.
std::string Shape(const std::string& text) {
    std::string shape;
    shape.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const bool number =
            std::isdigit(static_cast<unsigned char>(text[i])) && (i == 0 || !IsIdentifierChar(text[i - 1]));
        if (!number) {
            shape += text[i++];
            continue;
        }
        while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'))
            ++i;
        shape += '0';
    }
    return shape;
}

std::string HeaderOf(const Offer& offer) {
    return "// " + std::string(CardConstant(offer.line, offer.cardType)) + " : " +
           OperationName(offer.line, offer.operation) + "\n\n";
}

class OfferedOperation : public ::testing::TestWithParam<Offer> {};

TEST_P(OfferedOperation, InTableRecordsGenerateAndCompile) {
    const Offer& offer = GetParam();
    const bool interrupt =
        offer.line == CardLine::Classic && offer.operation == classic_operation::InterruptEvent;
    std::set<std::string> compiledShapes;
    for (DeviceSetup record : InTableRecords(offer)) {
        const std::uint16_t method = record.trigSource;
        CodeGenerator generator(record);
        std::string text;
        const GenerateResult result = generator.build(offer.line, text);
        ASSERT_TRUE(result.ok()) << result.message;
        EXPECT_TRUE(text.starts_with(HeaderOf(offer))) << text;
        if (interrupt) {
            EXPECT_LE(record.channel, 1) << "the interrupt line is written back";
        }

        const std::string compilable = interrupt && method == 1 ? WithoutCallbackPlaceholders(text) : text;
        if (!compiledShapes.insert(Shape(compilable)).second)
            continue;
        const CompileOutcome outcome = CompileFragment(compilable);
        EXPECT_TRUE(outcome.compiled) << outcome.report;
    }
    EXPECT_FALSE(compiledShapes.empty());
}

TEST_P(OfferedOperation, OutOfTableRecordsGenerateOrSayWhy) {
    const Offer& offer = GetParam();
    for (const DeviceSetup& original : OutOfTableRecords(offer)) {
        DeviceSetup record = original;
        CodeGenerator generator(record);
        std::string text;
        const GenerateResult result = generator.build(offer.line, text);
        if (result.ok()) {
            EXPECT_TRUE(text.starts_with(HeaderOf(offer)));
        } else {
            EXPECT_EQ(result.status, GenerateStatus::NothingGenerated);
            EXPECT_FALSE(result.message.empty());
            EXPECT_TRUE(text.empty());
        }
        // Only the interrupt writer changes the record, and only its line.
        record.channel = original.channel;
        EXPECT_EQ(RecordToJson(offer.line, record), RecordToJson(offer.line, original));
    }
}

INSTANTIATE_TEST_SUITE_P(Wizard, OfferedOperation, ::testing::ValuesIn(WriterOffers()),
                         [](const auto& info) { return OfferName(info.param); });

TEST(ClassicSamples, CoverEveryNewOperationOfTheClassicLine) {
    std::set<std::uint16_t> operations;
    for (const Offer& offer : WriterOffers())
        if (offer.line == CardLine::Classic)
            operations.insert(offer.operation);
    EXPECT_EQ(operations, (std::set<std::uint16_t>{0, 1, 2, 3, 4, 6, 7, 8, 9}));
}

TEST(CompileShape, ReducesValuesButKeepsNames) {
    EXPECT_EQ(Shape("#define CtrCount    -1294967296\n\terr = f(Channel_P1A, 2.5000, x[16]);\n"),
              "#define CtrCount    -0\n\terr = f(Channel_P1A, 0, x[0]);\n");
    EXPECT_NE(Shape("INT1_FP1C0"), Shape("INT2_FP2C0"));
}

} // namespace

} // namespace doz::generators
