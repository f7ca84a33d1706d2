// Names and version of the program as the user sees them.
#pragma once
#include <string>

inline constexpr const char* kApplicationTitle = "[Velmora]";
inline constexpr const char* kProgramVersion = "2.0.12";

// Caption of the main window for the receiver model the program is built for.
std::string MainWindowCaption();
