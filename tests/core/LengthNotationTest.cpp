#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "core/LengthNotation.h"
#include "core/TextToNumber.h"
#include "model/Exceptions.h"

namespace {

struct Conversion {
    std::string text;
    float expected;
};

class ConvertFeetTest : public testing::TestWithParam<Conversion> {};

TEST_P(ConvertFeetTest, ConvertsToDecimalLength) {
    const Conversion& c = GetParam();
    float viaOutput = -1.0f;
    ConvertFeet(c.text, viaOutput);
    EXPECT_EQ(viaOutput, c.expected) << "text: [" << c.text << "]";
    EXPECT_EQ(ConvertFeet(c.text), c.expected) << "text: [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ConvertFeetTest,
    testing::Values(Conversion{"25.125", 25.125f}, Conversion{"25.125\"", 25.125f},
                    Conversion{"2'", 24.0f}, Conversion{"2' 6", 30.0f}, Conversion{"2'6\"", 30.0f},
                    Conversion{"4' 0.5", 48.5f}, Conversion{"1/2", 0.5f}, Conversion{"3 1/2", 3.5f},
                    Conversion{"10 15/16", 10.9375f}, Conversion{"2' 1/2", 24.5f},
                    Conversion{"2'   1 1/8", 25.125f}, Conversion{"2' 6 3/4\"", 30.75f},
                    Conversion{"1/ 8", 0.125f}, Conversion{"-96", -96.0f},
                    Conversion{"1e2", 100.0f}, Conversion{"", 0.0f}, Conversion{"    ", 0.0f}));

INSTANTIATE_TEST_SUITE_P(
    MalformedText, ConvertFeetTest,
    testing::Values(Conversion{"12.5 in", 125.0f}, Conversion{"12abc", 12.0f},
                    Conversion{"abc", 0.0f}, Conversion{"-", 0.0f}, Conversion{"3 1 /8", 3.0f},
                    Conversion{"1 /8", 1.0f}, Conversion{"5'1/2", 2.5f}, Conversion{"2'1/2", 1.0f},
                    Conversion{"2 1/2'", 2.5f}, Conversion{"1/2/3", 0.5f}, Conversion{"2''", 24.0f},
                    Conversion{"/8", 0.0f}, Conversion{"\t 7 \r\n", 7.0f}, Conversion{"\"\"", 0.0f},
                    Conversion{"\xB5 5", 0.0f}, Conversion{"2' 1 1/8\x7F", 25.125f},
                    // Numbers that stay within the 32-bit range after rounding.
                    Conversion{"3.4028235e38", FLT_MAX}, Conversion{"1e-50", 0.0f},
                    Conversion{"1e-99999", 0.0f}, Conversion{"0e99999", 0.0f},
                    Conversion{"1e99999x", 1.0f}));

// Extended sums: the three parts are added wider than 32 bits and rounded once.
INSTANTIATE_TEST_SUITE_P(Rounding, ConvertFeetTest,
                         testing::Values(Conversion{"0.1", 0.1f},
                                         Conversion{"16777216 1/2", 16777216.0f},
                                         Conversion{"16777217", 16777216.0f},
                                         Conversion{"1' 16777204 1/2", 16777216.0f},
                                         Conversion{"1' 16777205 1/2", 16777218.0f}));

TEST(ConvertFeetTest, NegativeZeroStaysZero) {
    const float value = ConvertFeet("-0");
    EXPECT_EQ(value, 0.0f);
    EXPECT_FALSE(value > 0.0f);
}

enum class Failure { DivisionByZero, InvalidOperation, Overflow };

struct FailingConversion {
    std::string text;
    Failure failure;
};

class ConvertFeetFailureTest : public testing::TestWithParam<FailingConversion> {};

TEST_P(ConvertFeetFailureTest, RaisesTheFloatingPointError) {
    const FailingConversion& c = GetParam();
    float result = 42.0f;
    try {
        ConvertFeet(c.text, result);
        FAIL() << "no error for [" << c.text << "]";
    } catch (const EZeroDivide& e) {
        EXPECT_EQ(c.failure, Failure::DivisionByZero) << c.text;
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    } catch (const EInvalidOp& e) {
        EXPECT_EQ(c.failure, Failure::InvalidOperation) << c.text;
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    } catch (const EOverflow& e) {
        EXPECT_EQ(c.failure, Failure::Overflow) << c.text;
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_EQ(result, 42.0f) << "the output was written despite the error";
}

INSTANTIATE_TEST_SUITE_P(Errors, ConvertFeetFailureTest,
                         testing::Values(FailingConversion{"/", Failure::InvalidOperation},
                                         FailingConversion{"0/0", Failure::InvalidOperation},
                                         FailingConversion{"1/", Failure::DivisionByZero},
                                         FailingConversion{"1/0", Failure::DivisionByZero},
                                         FailingConversion{"3 1/abc", Failure::DivisionByZero},
                                         FailingConversion{"1e39", Failure::Overflow},
                                         FailingConversion{"-1e39", Failure::Overflow},
                                         FailingConversion{"3.4028236e38", Failure::Overflow},
                                         FailingConversion{"1e99999", Failure::Overflow},
                                         FailingConversion{"1e4933", Failure::Overflow},
                                         FailingConversion{"1e99999999999999999999999",
                                                           Failure::Overflow},
                                         FailingConversion{"3e37'", Failure::Overflow},
                                         FailingConversion{"2e37' 2e38/1", Failure::Overflow},
                                         FailingConversion{"3e38' 1", Failure::Overflow},
                                         FailingConversion{"1e38 3e38/1", Failure::Overflow},
                                         FailingConversion{"1e30/1e-30", Failure::Overflow},
                                         FailingConversion{"1/1e39", Failure::Overflow},
                                         FailingConversion{"1e39/0", Failure::Overflow}));

TEST(ConvertFeetTest, SumBeyondTheRangeOverflows) {
    // Each part fits, their sum does not.
    EXPECT_THROW(ConvertFeet("2e37' 1e38 3e38/1"), EOverflow);
}

struct Reading {
    std::string text;
    long double expected;
};

class TextToNumberTest : public testing::TestWithParam<Reading> {};

TEST_P(TextToNumberTest, ReadsLeniently) {
    EXPECT_EQ(TextToNumber(GetParam().text), GetParam().expected)
        << "text: [" << GetParam().text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Readings, TextToNumberTest,
    testing::Values(Reading{"", 0.0L}, Reading{"   ", 0.0L}, Reading{"-", 0.0L},
                    Reading{"  +", 0.0L}, Reading{"12", 12.0L}, Reading{"  -12", -12.0L},
                    Reading{"+7", 7.0L}, Reading{".5", 0.5L}, Reading{"5.", 5.0L},
                    Reading{".", 0.0L}, Reading{"25.125", 25.125L}, Reading{"1e2", 100.0L},
                    Reading{"1E+2", 100.0L}, Reading{"25e-3", 0.025L}, Reading{"1.5e1", 15.0L},
                    Reading{"e5", 0.0L},
                    // Failed readings: the digits so far as one whole number.
                    Reading{"12abc", 12.0L}, Reading{"12.5x", 125.0L}, Reading{"-5x", 5.0L},
                    Reading{"abc", 0.0L}, Reading{"1e", 1.0L}, Reading{"1e+", 1.0L},
                    Reading{"1.2.3", 12.0L}, Reading{"12 ", 12.0L}, Reading{"\t12", 0.0L},
                    Reading{"-1.5e3x", 15.0L}, Reading{"12\xE9", 12.0L}));

TEST(TextToNumberTest, HugeAndTinyExponentsStayFinite) {
    EXPECT_TRUE(std::isinf(TextToNumber("1e99999")));
    EXPECT_GT(TextToNumber("1e99999"), 0.0L);
    EXPECT_LT(TextToNumber("-1e99999"), 0.0L);
    EXPECT_EQ(TextToNumber("1e-99999"), 0.0L);
    EXPECT_EQ(TextToNumber("0e99999"), 0.0L);
    EXPECT_EQ(TextToNumber("1e4000"), 1e4000L);
    // A mantissa of many digits with a matching negative exponent.
    // (the mantissa is rounded while it is read, so only the 32-bit value is exact)
    EXPECT_EQ(static_cast<float>(TextToNumber("1" + std::string(300, '0') + "e-300")), 1.0f);
    EXPECT_EQ(TextToNumber("0." + std::string(250, '0') + "1e251"), 1.0L);
}

TEST(TextToNumberTest, EndlessDigitsNeverBecomeNaN) {
    const std::string manyDigits(6000, '9');
    EXPECT_TRUE(std::isinf(TextToNumber(manyDigits)));
    EXPECT_FALSE(std::isnan(TextToNumber(manyDigits + "e-99999")));
    EXPECT_FALSE(std::isnan(TextToNumber("." + manyDigits)));
    EXPECT_NEAR(static_cast<double>(TextToNumber("." + manyDigits)), 1.0, 1e-9);
}

struct StripCase {
    char mode;
    char character;
    std::string text;
    std::string expected;
};

class StripTest : public testing::TestWithParam<StripCase> {};

TEST_P(StripTest, AppliesTheMode) {
    const StripCase& c = GetParam();
    EXPECT_EQ(Strip(c.mode, c.character, c.text), c.expected)
        << "mode " << c.mode << " on [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StripTest,
    testing::Values(StripCase{'M', '-', "2'-1 1/8", "2' 1 1/8"}, StripCase{'A', ' ', " 1 5 ", "15"},
                    StripCase{'L', '0', "0070", "70"}, StripCase{'R', '0', "0070", "007"},
                    StripCase{'B', '*', "**a*b**", "a*b"}, StripCase{'x', '-', "1-2", "1-2"},
                    StripCase{'m', '+', "+1+", " 1 "}, StripCase{'a', '"', "\"2'\"", "2'"},
                    StripCase{'l', '0', "000", ""}, StripCase{'r', '0', "000", ""},
                    StripCase{'b', '*', "***", ""}, StripCase{'A', '\xB0', "9\xB0", "9"},
                    StripCase{'A', '-', "", ""}, StripCase{'M', '-', "", ""},
                    StripCase{'L', '-', "", ""}, StripCase{'R', '-', "", ""},
                    StripCase{'B', '-', "", ""}, StripCase{'Q', '-', "", ""}));

TEST(ConvertFeetTest, ReadsOnlyTheFirst255Characters) {
    EXPECT_EQ(ConvertFeet(std::string(254, '0') + "12"), 1.0f);
    EXPECT_EQ(ConvertFeet("1" + std::string(254, ' ') + "/0"), 1.0f);  // the fraction lies beyond
}

TEST(CutTo255Test, KeepsTheFirst255Characters) {
    const std::string longText = std::string(255, '1') + "999";
    EXPECT_EQ(CutTo255(longText), std::string(255, '1'));
    EXPECT_EQ(CutTo255("2' 6"), "2' 6");
    EXPECT_EQ(CutTo255(""), "");
}

TEST(ConvertFeetReadsWholeTest, TellsTextsReadOnlyInPart) {
    const struct {
        const char* text;
        bool whole;
    } cases[] = {{"25.125", true},  {"2'   1 1/8", true}, {"10 15/16", true}, {"96\"", true},
                 {"-3", true},      {"1.5e2", true},      {"", true},         {"12.5 in", false},
                 {"1250,5", false}, {"8c", false},        {"1e", false},      {"2' 6x", false},
                 {"1/2mm", false},  {"3 1/0", true}};
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertFeetReadsWhole(c.text), c.whole) << "[" << c.text << "]";
    }
}

}  // namespace
