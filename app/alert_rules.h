// The alert rules for the next announcement due, run every second in this order. The lead-time
// rule gives at most one of the lead-time alerts per call; the announcement rule gives the
// just-before and the at-announcement alerts. Given alerts are marked on every record announced
// at the target's time and saved, so none repeats, even after a restart. Sounds go to the sink
// as they are decided; the wait after the chime blocks the caller.
#pragma once

#include "app/app_core.h"
#include "sound/sound_sink.h"
#include "store/indicator_record.h"

void CheckLeadAlerts(CAppCore& core, const IndicatorRecord& target, SoundSink& sounds);
void CheckAnnouncementAlerts(CAppCore& core, const IndicatorRecord& target, SoundSink& sounds);
