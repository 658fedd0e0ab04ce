#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "io/settings/LastSettings.h"
#include "io/settings/ProfileFile.h"
#include "io/settings/SettingsPath.h"

namespace {

TEST(SettingsLocation, BesideTheProgramWhenItCanBeWrittenThereElseTheConfigFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "with-file");
    WriteBytes(dir.File("with-file/BarIni.ini"), "[Bar]\r\n");
    std::filesystem::create_directories(dir.Path() / "taken/BarIni.ini");
    std::filesystem::create_directories(dir.Path() / "large");
    WriteBytes(dir.File("large/BarIni.ini"), std::string(kMaxProfileFileBytes + 1, ' '));
    std::filesystem::create_directories(dir.Path() / "dangling");
    std::filesystem::create_symlink(dir.Path() / "gone.ini", dir.Path() / "dangling/BarIni.ini");
    const std::string config = dir.File("config/velmar/BarIni.ini");
    const struct {
        const char* beside;
        bool besideChosen;
    } cases[] = {
        {"BarIni.ini", true},            // a writable folder without the file
        {"with-file/BarIni.ini", true},  // the file exists and can be written
        {"missing/BarIni.ini", false},   // a folder that takes no file
        {"taken/BarIni.ini", false},     // the name is taken by a folder
        {"large/BarIni.ini", false},     // too large to be read back
        {"dangling/BarIni.ini", false},  // a link leading nowhere
    };
    for (const auto& c : cases) {
        const std::string beside = dir.File(c.beside);
        const SettingsLocation expected = c.besideChosen
                                              ? SettingsLocation{beside, {}}
                                              : SettingsLocation{config, dir.File("config/velmar")};
        EXPECT_EQ(ChooseSettingsLocation(beside, config), expected) << c.beside;
    }
    // Without a configuration folder the file stays beside the program.
    EXPECT_EQ(ChooseSettingsLocation(dir.File("missing/BarIni.ini"), ""),
              (SettingsLocation{dir.File("missing/BarIni.ini"), {}}));
}

TEST(SettingsLocation, ConfigFolderFromTheEnvironment) {
    const struct {
        const char* xdgConfigHome;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/xdg", "/home/ann", "/xdg/velmar/BarIni.ini"},
        {nullptr, "/home/ann", "/home/ann/.config/velmar/BarIni.ini"},
        {"", "/home/ann", "/home/ann/.config/velmar/BarIni.ini"},
        {"relative/xdg", "/home/ann", "/home/ann/.config/velmar/BarIni.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConfigSettingsFilePath(c.xdgConfigHome, c.home), c.expected);
    }
}

TEST(SettingsLocation, TheFirstWriteMakesTheConfigFolder) {
    TempDir dir;
    const SettingsLocation location =
        ChooseSettingsLocation(dir.File("missing/BarIni.ini"),
                               ConfigSettingsFilePath(dir.File("config").c_str(), nullptr));
    ASSERT_TRUE(MakeSettingsFolder(location.FolderToMake));
    Savelastini(location.Path, LastSettings{"240", "", "", false, false, false});
    EXPECT_EQ(LoadLastini(dir.File("config/velmar/BarIni.ini")).Length, "240");
    const auto mode = std::filesystem::status(dir.Path() / "config/velmar").permissions();
    EXPECT_EQ(mode & std::filesystem::perms::all, std::filesystem::perms::owner_all);
    // A folder that cannot be made: its path is taken by a file.
    EXPECT_FALSE(MakeSettingsFolder(dir.File("config/velmar/BarIni.ini/below")));
}

}  // namespace
