// Where the settings file and the working files live: beside the program when its folder is
// writable, otherwise in the user's XDG folders.
#pragma once
#include <string>

inline constexpr const char* kSettingsFileName = "Velmora.ini";

// Folder of the running program, without a trailing separator.
std::string ProgramFolder();
// True when files can be created in `folder` (tried, not guessed from permission bits).
bool IsWritableFolder(const std::string& folder);
// $XDG_CONFIG_HOME/torvane, or ~/.config/torvane.
std::string UserConfigFolder();
// $XDG_CACHE_HOME/torvane, or ~/.cache/torvane.
std::string UserCacheFolder();

// The settings file: programFolder/Velmora.ini, or UserConfigFolder()/Velmora.ini when the
// program folder is not writable.
std::string SettingsFilePath(const std::string& programFolder);
// The folder for the load and save working files, without a trailing separator: the program
// folder, or UserCacheFolder() when the program folder is not writable.
std::string WorkingFolder(const std::string& programFolder);
