// What the sound settings dialog shows, offers and stores: per alert event whether it is enabled
// and which file it plays. The dialog keeps the edits in its list until OK.
#pragma once

#include <string>
#include <vector>

#include "app/app_core.h"

struct SoundSettingRow {
    bool enabled = false;
    std::string label;  // the event's name
    std::string file;   // as stored: relative to the program folder or absolute

    bool operator==(const SoundSettingRow&) const = default;
};

// One row per alert event, in event order, as the core has them.
std::vector<SoundSettingRow> SoundSettingRowsOf(const CAppCore& core);

// OK: each row's tick and file go to its event, then the settings file is saved. Only the
// events' rows count: missing rows leave their events alone, extra rows are ignored.
bool StoreSoundSettings(CAppCore& core, const std::vector<SoundSettingRow>& rows);

// The file dialog's filter: pairs of description and pattern, each ended by a NUL, the list ended
// by one more. The simple player plays WAV only, so in that mode MP3 files are not offered.
std::string SoundFileFilter(const CAppCore& core);

// A file chosen in the file dialog (its full path). lastFolder becomes the chosen file's folder
// (without the trailing separator), where the file dialog opens next; the result is the path to
// store, relative to the program folder when the file lies inside it.
std::string TakeChosenSoundFile(const std::string& fullPath, std::string& lastFolder);
