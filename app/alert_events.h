// The 23 alert events. Every alert, sound and balloon names one of them by index; event i has
// bit i in the core's event mask and sound file i in its sound list.
//
// Events 0 to 16 are the lead-time alerts before an announcement; the rest are the chime, the
// moments just before and at the announcement, and the arrival of news, notices and signals.
#pragma once

#include <string>

#include "sound/sound_mode.h"

inline constexpr int ALERT_EVENT_COUNT = 23;
inline constexpr int LEAD_TIME_EVENT_COUNT = 17;  // events 0 to 16

inline constexpr int EVENT_CHIME = 17;
inline constexpr int EVENT_JUST_BEFORE = 18;
inline constexpr int EVENT_AT_ANNOUNCEMENT = 19;
inline constexpr int EVENT_NEW_NEWS = 20;
inline constexpr int EVENT_NEW_NOTICES = 21;
inline constexpr int EVENT_SIGNAL_RECEIVED = 22;

// The mask with every event enabled.
inline constexpr unsigned ALL_EVENTS_MASK = (1u << ALERT_EVENT_COUNT) - 1;

// The label shown in the sound settings dialog; empty for an index outside 0 to 22.
const char* AlertEventLabel(int event);

// Minutes before the announcement for events 0 to 16; 0 for every other index.
int AlertLeadMinutes(int event);

// The default sound of an event, relative to the program folder: "sound\default\<minutes>.mp3"
// (".wav" in the simple mode) for the lead times, fixed WAV names for the others. Empty for an
// index outside 0 to 22.
std::string DefaultSoundFile(int event, SoundMode mode);
