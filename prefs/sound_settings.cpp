#include "prefs/sound_settings.h"

#include "sound/sound_path.h"
#include "base/cp932_text.h"

std::vector<SoundSettingRow> SoundSettingRowsOf(const CAppCore& core) {
    std::vector<SoundSettingRow> rows;
    for (int event = 0; event < ALERT_EVENT_COUNT; ++event)
        rows.push_back(
            {core.IsEventEnabled(event), AlertEventLabel(event), core.m_soundFiles[event]});
    return rows;
}

bool StoreSoundSettings(CAppCore& core, const std::vector<SoundSettingRow>& rows) {
    for (int event = 0; event < ALERT_EVENT_COUNT && event < static_cast<int>(rows.size());
         ++event) {
        core.m_soundFiles[event] = rows[event].file;
        core.SetEventEnabled(event, rows[event].enabled);
    }
    return core.SaveSettings();
}

std::string SoundFileFilter(const CAppCore& core) {
    using namespace std::string_literals;
    std::string filter = "wav(*.wav)\0*.wav\0"s;
    if (core.m_avoidSoundErrors == 0) filter += "mp3(*.mp3)\0*.mp3\0"s;
    return filter + '\0';
}

std::string TakeChosenSoundFile(const std::string& fullPath, std::string& lastFolder) {
    size_t separator = FindLastOfMbcs(fullPath, "\\/");
    if (separator != std::string::npos) lastFolder = fullPath.substr(0, separator);
    return ProgramRelativeSoundPath(fullPath);
}
