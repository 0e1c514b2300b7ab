// The settings file "iasetting.dat": six lines of fields, each field followed by 0x07.
//
//   1  general values: position, flags, rank, four times, version, next id, terms, sound mode
//   2  the event mask, then the 23 sound files
//   3  two reserved fields, then the three auto-trade terminal folders
//   4  the folders the folder search found
//   5  99 fields "first\bsecond\b" (decimal)
//   6  the signal-copy folder and a reserved field
//
// Numbers are "%08X"; times keep their low 32 bits. CAppCore::SaveSettings and LoadSettings
// store these lines in the file; the two functions here are the format itself.
#pragma once

#include <string>
#include <vector>

class CAppCore;

// The six lines (without line ends) that hold the core's settings.
std::vector<std::string> FormatSettingsLines(const CAppCore& core);

// Takes the settings from the lines of a settings file into the core. A missing line leaves its
// settings as they are. Within lines 1 and 2 a missing or malformed number reads as 0 and a
// missing sound file as empty; a missing folder of lines 3 and 6 stays as it is. The notice sound
// and balloon flags are never taken from the file.
void ApplySettingsLines(const std::vector<std::string>& lines, CAppCore& core);
