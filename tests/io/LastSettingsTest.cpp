#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "TempDir.h"
#include "io/settings/LastSettings.h"
#include "io/settings/ProfileFile.h"
#include "io/settings/SettingsPath.h"
#include "model/Exceptions.h"

namespace {

const LastSettings Example{"240", "0.125", "20", true, true, false};

TEST(Savelastini, NewFileHoldsTheKeysInWritingOrder) {
    TempDir dir;
    const std::string path = dir.File("BarIni.ini");
    Savelastini(path, Example);
    EXPECT_EQ(ReadBytes(path),
              "[Bar]\r\nLength=240\r\nCut=0.125\r\nScrapBelow=20\r\nSummary=1\r\nShort=1\r\n"
              "AutoItem=0\r\n");
    EXPECT_EQ(LoadLastini(path), Example);
}

TEST(Savelastini, HandWrittenFileKeepsItsOrderAndOtherSections) {
    TempDir dir;
    const std::string path = dir.File("BarIni.ini");
    WriteBytes(path, "[Window]\r\nLeft=3\r\n\r\n[bar]\r\nshort=0\r\nLENGTH=1\r\nNote=kept\r\n");
    Savelastini(path, Example);
    EXPECT_EQ(ReadBytes(path),
              "[Window]\r\nLeft=3\r\n\r\n[bar]\r\nShort=1\r\nLength=240\r\nNote=kept\r\n"
              "Cut=0.125\r\nScrapBelow=20\r\nSummary=1\r\nAutoItem=0\r\n");
}

TEST(Savelastini, EveryWriteReachesTheFile) {
    TempDir dir;
    const std::string path = dir.File("BarIni.ini");
    LastSettings settings;
    for (const char* typed : {"2", "24", "240"}) {
        settings.Length = typed;
        Savelastini(path, settings);
        EXPECT_EQ(GetPrivateProfileString("Bar", "Length", "", path), typed);
    }
}

TEST(Savelastini, RefusedWriteNamesTheFullPath) {
    TempDir dir;
    WriteBytes(dir.File("plain"), "x");
    for (const std::string& path : {dir.File("plain/BarIni.ini"), dir.File("none/BarIni.ini")}) {
        try {
            Savelastini(path, Example);
            ADD_FAILURE() << "no error for " << path;
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
        }
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

// A write that fails half-way, here at the file size limit as at a full
// disk, leaves the previous file as it was and nothing beside it.
TEST(Savelastini, AFailedWriteKeepsThePreviousFile) {
    TempDir dir;
    const std::string path = dir.File("BarIni.ini");
    Savelastini(
        path, LastSettings{std::string(2047, '1'), std::string(2047, '2'), std::string(2047, '3')});
    const std::string before = ReadBytes(path);
    const ChildOutcome save = RunInChild(
        [&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &small);
            Savelastini(path, Example);
        },
        false);
    EXPECT_EQ(save.error, "Unable to write to " + path);
    EXPECT_TRUE(ReadBytes(path) == before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(Savelastini, StopsAtTheRefusedKey) {
    TempDir dir;
    const std::string path = dir.File("BarIni.ini");
    std::vector<std::string> attempted;
    const ProfileWriter refuseSummary = [&](std::string_view section, std::string_view key,
                                            std::string_view value, const std::string& file) {
        attempted.emplace_back(key);
        return key != "Summary" && WritePrivateProfileString(section, key, value, file);
    };
    EXPECT_THROW(Savelastini(path, Example, refuseSummary), EInOutError);
    EXPECT_EQ(attempted, (std::vector<std::string>{"Length", "Cut", "ScrapBelow", "Summary"}));
    EXPECT_EQ(ReadBytes(path), "[Bar]\r\nLength=240\r\nCut=0.125\r\nScrapBelow=20\r\n");
}

TEST(Savelastini, OptInKeysOnlyOnceTicked) {
    const std::string sixKeys =
        "[Bar]\r\nLength=240\r\nCut=0.125\r\nScrapBelow=20\r\nSummary=1\r\nShort=1\r\n"
        "AutoItem=0\r\n";
    for (const auto& [key, flag] : {std::pair{"FewestBars", &LastSettings::FewestBars},
                                    std::pair{"UseStock", &LastSettings::UseStock}}) {
        TempDir dir;
        const std::string path = dir.File("BarIni.ini");
        LastSettings settings = Example;
        const std::string keyLine = std::string(key) + "=";
        for (const auto& [ticked, bytes] :
             {std::pair{false, sixKeys}, std::pair{true, sixKeys + keyLine + "1\r\n"},
              std::pair{false, sixKeys + keyLine + "0\r\n"}}) {
            settings.*flag = ticked;
            Savelastini(path, settings);
            EXPECT_EQ(ReadBytes(path), bytes) << key;
            EXPECT_EQ(LoadLastini(path), settings) << key;
        }
    }
}

struct LoadCase {
    const char* name;
    std::string file;  // nothing written when empty
    LastSettings expected;
};

void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << c.name;
}

class LoadLastiniCases : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadLastiniCases, ReadsTheSixKeys) {
    const LoadCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.File("BarIni.ini");
    if (!c.file.empty()) {
        WriteBytes(path, c.file);
    }
    EXPECT_EQ(LoadLastini(path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadLastiniCases,
    testing::Values(LoadCase{"MissingFileGivesEmptyAndUnchecked", "", LastSettings{}},
                    LoadCase{"MissingSection", "[Other]\r\nLength=240\r\nShort=1\r\n",
                             LastSettings{}},
                    LoadCase{"FlagsWithBlanksAround",
                             "[Bar]\r\nLength=16'\r\nSummary= 1 \r\nShort=\t1\r\nAutoItem=1\r\n",
                             LastSettings{"16'", "", "", true, true, true}},
                    LoadCase{"OtherFlagTextsUncheck",
                             "[Bar]\r\nSummary=1.0\r\nShort=yes\r\nAutoItem=0\r\n", LastSettings{}},
                    LoadCase{"KeysInAnyOrderAndCase",
                             "[bar]\r\nautoitem=1\r\nSCRAPBELOW=20\r\ncut=1/8\r\nlength=240\r\n",
                             LastSettings{"240", "1/8", "20", false, false, true}},
                    LoadCase{"FewestBarsTicked", "[Bar]\r\nFewestBars=1\r\n",
                             LastSettings{"", "", "", false, false, false, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LastSettingsBinding, TakesFromAndAppliesToTheWindowModels) {
    TStringGrid barSettings(nullptr, 2, 5);
    Options options;
    options.AlternateMethod = true;
    ApplyLastSettings(Example, barSettings, options);
    EXPECT_EQ(barSettings.Cols(1), (TStringGrid::TStrings{"240", "0.125", "20", "", ""}));
    EXPECT_TRUE(options.NoSummary);
    EXPECT_TRUE(options.ShortReport);
    EXPECT_FALSE(options.AutoItemNumber);
    EXPECT_TRUE(options.AlternateMethod);
    EXPECT_EQ(TakeLastSettings(barSettings, options), Example);
}

TEST(SettingsPath, BesideTheExecutable) {
    const struct {
        const char* executable;
        const char* expected;
    } cases[] = {{"/opt/velmar/bin/velmar", "/opt/velmar/bin/BarIni.ini"},
                 {"/velmar", "/BarIni.ini"},
                 {"velmar", "BarIni.ini"}};
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsFilePathBeside(c.executable), c.expected);
    }
}

TEST(SettingsPath, FoundFromAnyCurrentDirectory) {
    const std::filesystem::path before = std::filesystem::current_path();
    TempDir elsewhere;
    std::filesystem::current_path(elsewhere.Path());
    const std::filesystem::path path = SettingsFilePath();
    std::filesystem::current_path(before);

    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path.filename(), "BarIni.ini");
    EXPECT_TRUE(std::filesystem::exists(path.parent_path() / "io_tests"));
}

}  // namespace
