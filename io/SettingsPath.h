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
