#include "core/CountConversion.h"

#include "core/Failure.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace corvanta {
namespace {

struct ConversionCase {
    const char* name;
    std::string text;
    std::optional<int> count;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

class CountConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(CountConversionTest, ConvertsOrRefuses) {
    const ConversionCase& c = GetParam();
    const auto parsed = parseCount(c.text);
    if (c.count) {
        ASSERT_TRUE(parsed.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*parsed, *c.count);
        EXPECT_EQ(textToCount(c.text), *c.count);
    } else {
        EXPECT_FALSE(parsed.has_value()) << '"' << c.text << "\" gave " << *parsed;
        try {
            textToCount(c.text);
            FAIL() << "no failure for \"" << c.text << '"';
        } catch (const Failure& f) {
            EXPECT_EQ(f.number(), failure::kNotACountNumber);
        }
    }
}

const ConversionCase kCases[] = {
    {"plain", "3", 3},
    {"zero", "0", 0},
    {"leading zeros", "007", 7},
    {"blanks around", " 3 ", 3},
    {"tabs around", "\t12\t", 12},
    {"minus", "-1", -1},
    {"plus", "+4", 4},
    {"minus zero", "-0", 0},
    {"half to even down", "2.5", 2},
    {"half to even up", "3.5", 4},
    {"one and a half", "1.5", 2},
    {"a half", "0.5", 0},
    {"minus half", "-0.5", 0},
    {"minus one and a half", "-1.5", -2},
    {"minus two and a half", "-2.5", -2},
    {"just above half", "2.5000001", 3},
    {"just below half", "2.4999999", 2},
    {"trailing period", "5.", 5},
    {"leading period", ".5", 0},
    {"leading period up", ".6", 1},
    {"long fraction", "1.00000000000000000000001", 1},
    {"upper edge", "32767", 32767},
    {"upper edge fraction", "32767.4", 32767},
    {"lower edge", "-32768", -32768},
    {"lower edge half to even", "-32768.5", -32768},
    {"many leading zeros", "0000000000000000000000000042", 42},
    {"empty", "", std::nullopt},
    {"one blank", " ", std::nullopt},
    {"blanks only", "   ", std::nullopt},
    {"letters", "abc", std::nullopt},
    {"digit then letter", "3a", std::nullopt},
    {"lone minus", "-", std::nullopt},
    {"lone period", ".", std::nullopt},
    {"minus period", "-.", std::nullopt},
    {"blank inside", "1 2", std::nullopt},
    {"blank after sign", "- 1", std::nullopt},
    {"two signs", "--1", std::nullopt},
    {"two periods", "1.2.3", std::nullopt},
    {"comma decimal", "1,5", std::nullopt},
    {"thousands separator", "1,000", std::nullopt},
    {"exponent", "1e2", std::nullopt},
    {"hex", "0x10", std::nullopt},
    {"above range", "32768", std::nullopt},
    {"half above range rounds to even out of range", "32767.5", std::nullopt},
    {"below range", "-32769", std::nullopt},
    {"below range by rounding", "-32768.6", std::nullopt},
    {"huge", "99999999999999999999999999999", std::nullopt},
    {"embedded nul",
     std::string("1\0"
                 "2",
                 3),
     std::nullopt},
    {"non-ascii digit", "\xd9\xa3", std::nullopt},
    {"newline", "1\n", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Texts, CountConversionTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) {
                                     ch = '_';
                                 }
                             }
                             return name;
                         });

} // namespace
} // namespace corvanta
