#include <gtest/gtest.h>

#include <string>

#include "io/settings/ProfileText.h"

namespace {

struct WriteCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    std::string value;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyTheKey) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(WithProfileValue(c.before, c.section, c.key, c.value), c.after);
    EXPECT_EQ(ProfileValue(c.after, c.section, c.key, "?"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    HandWrittenFiles, ProfileWrite,
    testing::Values(
        WriteCase{"NewFile", "", "Bar", "Length", "240", "[Bar]\r\nLength=240\r\n"},
        WriteCase{"NewKeyAtTheEndOfItsSection", "[Bar]\r\nLength=240\r\n\r\n[Other]\r\nx=1\r\n",
                  "Bar", "Cut", "0.125",
                  "[Bar]\r\nLength=240\r\nCut=0.125\r\n\r\n[Other]\r\nx=1\r\n"},
        WriteCase{"RewrittenKeyKeepsItsPlace", "[Bar]\r\nLength=1\r\nCut=2\r\nShort=0\r\n", "Bar",
                  "Cut", "0.5", "[Bar]\r\nLength=1\r\nCut=0.5\r\nShort=0\r\n"},
        WriteCase{"NamesMatchWithoutRegardToCase", "[bAR]\r\nlength=100\r\ncut=1\r\n", "Bar",
                  "Length", "240", "[bAR]\r\nLength=240\r\ncut=1\r\n"},
        WriteCase{"BlanksAroundNamesIgnored", "[ Bar ]\r\n  Length = 1 \r\n", "Bar", "Length", "2",
                  "[ Bar ]\r\nLength=2\r\n"},
        WriteCase{"NewSectionAtTheEnd", "[Other]\r\nx=1\r\n", "Bar", "Length", "240",
                  "[Other]\r\nx=1\r\n\r\n[Bar]\r\nLength=240\r\n"},
        WriteCase{"NewSectionAfterABlankLine", "[Other]\r\nx=1\r\n\r\n", "Bar", "Length", "240",
                  "[Other]\r\nx=1\r\n\r\n[Bar]\r\nLength=240\r\n"},
        WriteCase{
            "OtherSectionsAndUnknownLinesKept",
            "; made by hand\r\ntop=1\r\n[Bar]\r\nnot a key\r\nLength=1\r\n[Z]\r\nLength=9\r\n",
            "Bar", "Length", "2",
            "; made by hand\r\ntop=1\r\n[Bar]\r\nnot a key\r\nLength=2\r\n[Z]\r\nLength=9\r\n"},
        WriteCase{"KeyWithALongerNameIsAnotherKey", "[Bar]\r\nLengthX=1\r\n", "Bar", "Length", "2",
                  "[Bar]\r\nLengthX=1\r\nLength=2\r\n"},
        WriteCase{"OnlyTheFirstOfTwinKeysRewritten", "[Bar]\r\nCut=1\r\nCut=2\r\n", "Bar", "Cut",
                  "3", "[Bar]\r\nCut=3\r\nCut=2\r\n"},
        WriteCase{"LfAndCrLineEndsRead", "[Bar]\nLength=1\rCut=2", "Bar", "Short", "1",
                  "[Bar]\r\nLength=1\r\nCut=2\r\nShort=1\r\n"},
        WriteCase{"EmptyValue", "[Bar]\r\nLength=1\r\n", "Bar", "Length", "",
                  "[Bar]\r\nLength=\r\n"},
        WriteCase{"ValueWithEqualsSign", "", "Bar", "Length", "a=b", "[Bar]\r\nLength=a=b\r\n"},
        WriteCase{"FeetAndInches", "", "Bar", "Length", "20' 1 1/8\"",
                  "[Bar]\r\nLength=20' 1 1/8\"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    std::string text;
    const char* key;
    std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsTheKeyOfTheSection) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ProfileValue(c.text, "Bar", c.key, "default"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    HandWrittenFiles, ProfileRead,
    testing::Values(
        ReadCase{"CaseIgnored", "[BAR]\r\nLENGTH=240\r\n", "Length", "240"},
        ReadCase{"BlanksAroundValueDropped", "[Bar]\r\nLength =  2 40 \t\r\n", "Length", "2 40"},
        ReadCase{"MissingKey", "[Bar]\r\nCut=1\r\n", "Length", "default"},
        ReadCase{"MissingSection", "[Other]\r\nLength=1\r\n", "Length", "default"},
        ReadCase{"KeyBeforeAnySection", "Length=1\r\n[Bar]\r\n", "Length", "default"},
        ReadCase{"KeyOfTheNextSection", "[Bar]\r\n[Next]\r\nLength=1\r\n", "Length", "default"},
        ReadCase{"CommentIsNoKey", "[Bar]\r\n;Length=1\r\n", "Length", "default"},
        ReadCase{"FirstOfTwins", "[Bar]\r\nCut=1\r\nCut=2\r\n", "Cut", "1"},
        ReadCase{"EmptyValue", "[Bar]\r\nCut=\r\n", "Cut", ""},
        ReadCase{"ValueOf2047Characters", "[Bar]\r\nCut=" + std::string(2047, 'v') + "\r\n", "Cut",
                 std::string(2047, 'v')},
        ReadCase{"LongerValueCutTo2047", "[Bar]\r\nCut=" + std::string(3000, 'v') + "\r\n", "Cut",
                 std::string(2047, 'v')}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
