#include <gtest/gtest.h>

#include <string>

#include "sorter/TextToFloat.h"
#include "sorter/WholeNumberText.h"

namespace {

struct WholeNumberCase {
    std::string text;
    bool whole;
};

const WholeNumberCase kWholeNumbers[] = {
    {"0", true},
    {"007", true},
    {"   -12", true},
    {"+5", true},
    {"-0", true},
    {"2147483647", true},
    {"-2147483648", true},
    {"000000000002147483647", true},
    {"2147483648", false},
    {"-2147483649", false},
    {"99999999999999999999999", false},
    {"", false},
    {"   ", false},
    {"-", false},
    {"+", false},
    {"2.5", false},
    {"1e3", false},
    {"12 ", false},
    {"\t12", false},
    {"2'   1 1/8", false},
    {"1 2", false},
    {"--1", false},
    {"$1F", true},
    {"x1f", true},
    {"X1F", true},
    {"0x10", true},
    {"0XaBcD", true},
    {"  $FFFFFFFF", true},
    {"$0000000012345678", true},
    {"$123456789", false},
    {"$", false},
    {"0x", false},
    {"-$1F", false},
    {"+0x1", false},
    {"$1G", false},
    {"00x1", false},
    {"$1F ", false},
    {std::string("1\0", 2), false},
    {"\xb9", false},
};

class WholeNumberText : public testing::TestWithParam<WholeNumberCase> {};

TEST_P(WholeNumberText, PassesOnlyWholeThirtyTwoBitNumbers) {
    EXPECT_EQ(IsWholeNumberText(GetParam().text), GetParam().whole)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Sorter, WholeNumberText, testing::ValuesIn(kWholeNumbers));

struct FloatCase {
    std::string text;
    char separator;
    bool valid;
    long double value;
};

const FloatCase kFloats[] = {
    {"42", '.', true, 42.0L},
    {"  -12  ", '.', true, -12.0L},
    {"+7", '.', true, 7.0L},
    {"2.5", '.', true, 2.5L},
    {"2,5", ',', true, 2.5L},
    {"2.5", ',', false, 0.0L},
    {"1e3", '.', true, 1000.0L},
    {"1.5E-1", '.', true, 0.15L},
    {".5", '.', true, 0.5L},
    {"3.", '.', true, 3.0L},
    {"2147483647", '.', true, 2147483647.0L},
    {"-2147483648", '.', true, -2147483648.0L},
    {"", '.', false, 0.0L},
    {" ", '.', false, 0.0L},
    {"-", '.', false, 0.0L},
    {".", '.', false, 0.0L},
    {"1e", '.', false, 0.0L},
    {"1e+", '.', false, 0.0L},
    {"$1F", '.', false, 0.0L},
    {"0x10", '.', false, 0.0L},
    {"1 2", '.', false, 0.0L},
    {"\t1", '.', false, 0.0L},
    {"1e99999", '.', false, 0.0L},
};

class TextToFloatReading : public testing::TestWithParam<FloatCase> {};

TEST_P(TextToFloatReading, ReadsPlainNumbersOnly) {
    const FloatCase& c = GetParam();
    const auto value = TryTextToFloat(c.text, c.separator);
    ASSERT_EQ(value.has_value(), c.valid) << '"' << c.text << '"';
    if (c.valid) {
        EXPECT_EQ(*value, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Sorter, TextToFloatReading, testing::ValuesIn(kFloats));

}  // namespace
