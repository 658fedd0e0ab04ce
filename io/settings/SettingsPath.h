#pragma once

#include <string>

inline constexpr const char* kSettingsFileName = "BarIni.ini";

// The settings file beside the given executable.
std::string SettingsFilePathBeside(const std::string& executablePath);

// The full path of the running program, with links resolved; empty when the
// system does not tell.
std::string ExecutablePath();

// The settings file beside the running program, whatever the current
// directory. Falls back to the current directory only when the program's own
// path is unknown.
std::string SettingsFilePath();

// Where the settings are read and written, and the folder a first write must
// make (empty when there is none to make).
struct SettingsLocation {
    std::string Path;
    std::string FolderToMake;

    bool operator==(const SettingsLocation&) const = default;
};

// velmar/BarIni.ini under the user's configuration folder: xdgConfigHome when
// it is an absolute path, else .config in home. Empty when neither is known.
std::string ConfigSettingsFilePath(const char* xdgConfigHome, const char* home);

// The file beside the program whenever it can be written there (it is a
// regular file that can be read and written and is not larger than
// kMaxProfileFileBytes, or it is missing, not even a link leading nowhere,
// and the folder takes new files); otherwise the one under the user's configuration folder, as an
// installed program's folder is not the user's to write.
SettingsLocation ChooseSettingsLocation(const std::string& besidePath,
                                        const std::string& configPath);

// The choice for the running program, from its path and the environment.
SettingsLocation SettingsLocationOfThisProgram();

// Makes the missing folders of the path, each readable by the user only.
// False when one cannot be made.
bool MakeSettingsFolder(const std::string& folder);
