#include "golden_files.h"
#include "tests/support/files.h"

#include "viruveza/generators/cli/record_json.h"
#include "viruveza/generators/code_generator.h"

#include <gtest/gtest.h>

namespace doz::generators {

namespace {

using namespace testing;
using namespace doz::test;

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, GeneratedTextIsTheHandWrittenFile) {
    GenerationRequest request = ParseRecordJson(ReadFile(GoldenRecordPath(GetParam())));
    CodeGenerator generator(request.record);
    std::string text;
    const GenerateResult result = generator.build(request.line, text);
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(text, ReadFile(GoldenTextPath(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Files, Golden, ::testing::ValuesIn(GoldenNames()),
                         [](const auto& info) { return TestNameOf(info.param); });

TEST(GoldenFiles, EveryRecordHasItsText) {
    const std::vector<std::string> names = GoldenNames();
    EXPECT_GE(names.size(), 30u);
    for (const std::string& name : names)
        EXPECT_FALSE(ReadFile(GoldenTextPath(name)).empty()) << name;
}

} // namespace

} // namespace doz::generators
