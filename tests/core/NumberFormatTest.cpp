#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/notation/NumberFormat.h"

namespace {

struct LengthFormat {
    float value;
    char separator;
    std::string expected;
};

class FormatLengthTest : public testing::TestWithParam<LengthFormat> {};

TEST_P(FormatLengthTest, FixedThreeDecimalsAtPrecisionSeven) {
    EXPECT_EQ(FormatLength(GetParam().value, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, FormatLengthTest,
    testing::Values(
        LengthFormat{240.0f, '.', "240.000"}, LengthFormat{17.625f, '.', "17.625"},
        LengthFormat{179.75f, '.', "179.750"}, LengthFormat{0.0f, '.', "0.000"},
        LengthFormat{-0.0f, '.', "0.000"}, LengthFormat{17.0625f, '.', "17.063"},
        LengthFormat{12345.678f, '.', "12345.680"}, LengthFormat{0.125f, '.', "0.125"},
        LengthFormat{-17.0625f, '.', "-17.063"}, LengthFormat{-0.0004f, '.', "0.000"},
        LengthFormat{0.0005f, '.', "0.001"},  // just above one half-thousandth as a float
        LengthFormat{0.0625f, '.', "0.063"}, LengthFormat{1234.5625f, '.', "1234.563"},
        // 0.1 as a float lies just above 0.1; 2.0005 just below 2.0005.
        LengthFormat{0.1f, '.', "0.100"}, LengthFormat{2.0005f, '.', "2.000"},
        LengthFormat{999.99951171875f, '.', "1000.000"}, LengthFormat{99999.99f, '.', "99999.990"},
        LengthFormat{1234567.5f, '.', "1234568.000"}, LengthFormat{9999999.0f, '.', "9999999.000"},
        LengthFormat{25.125f, ',', "25,125"},
        // Beyond 7 whole digits the value is written in scientific notation.
        LengthFormat{123456789.0f, '.', "1.234568E+8"},
        LengthFormat{-123456789.0f, ',', "-1,234568E+8"},
        LengthFormat{10000000.0f, '.', "1.000000E+7"},
        LengthFormat{3.4028235e38f, '.', "3.402823E+38"},
        LengthFormat{std::numeric_limits<float>::infinity(), '.', "INF"}));

struct CountFormat {
    double value;
    std::string expected;
};

class FormatCountTest : public testing::TestWithParam<CountFormat> {};

TEST_P(FormatCountTest, FixedWithoutDecimalsAtPrecisionSeven) {
    EXPECT_EQ(FormatCount(GetParam().value, '.'), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, FormatCountTest,
    testing::Values(CountFormat{1, "1"}, CountFormat{12, "12"}, CountFormat{3, "3"},
                    CountFormat{0, "0"}, CountFormat{-0.0, "0"}, CountFormat{2.5, "3"},
                    CountFormat{-2.5, "-3"}, CountFormat{0.49999999, "0"}, CountFormat{-0.4, "0"},
                    CountFormat{9999999, "9999999"}, CountFormat{-9999999, "-9999999"},
                    CountFormat{9999999.5, "1.000000E+7"}, CountFormat{10000000, "1.000000E+7"},
                    CountFormat{12345678, "1.234568E+7"}, CountFormat{12345675, "1.234568E+7"},
                    CountFormat{12345674.9, "1.234567E+7"}, CountFormat{std::nan(""), "NAN"}));

TEST(FormatCountTest, ScientificUsesTheDecimalSeparator) {
    EXPECT_EQ(FormatCount(99999995, ','), "1,000000E+8");
    EXPECT_EQ(FormatCount(5, ','), "5");
}

struct WholeFormat {
    float value;
    std::string expected;
};

class FormatWholeTest : public testing::TestWithParam<WholeFormat> {};

TEST_P(FormatWholeTest, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(FormatWhole(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Wholes, FormatWholeTest,
    testing::Values(WholeFormat{25125.0f, "25125"}, WholeFormat{1062.5f, "1063"},
                    WholeFormat{0.5f, "1"}, WholeFormat{0.49999997f, "0"},
                    WholeFormat{-1062.5f, "-1063"}, WholeFormat{-0.0f, "0"},
                    WholeFormat{12345678.0f, "12345678"},
                    WholeFormat{3.4028235e38f, "340282346638528859811704183484516925440"}));

}  // namespace
