// Each source of a run read on its own, as the run and the check of the sources both need it.
// Every error starts with the source's name.
#pragma once

#include <string>
#include <vector>

#include "publish/feed_item.h"
#include "publish/ical_calendar.h"
#include "publish/publish_options.h"
#include "publish/signal_sources.h"

// A calendar of any of the kinds (iCalendar, JSON or CSV, told apart by its first characters).
bool ReadCalendarSource(const std::string& source, const ZoneClock& zone,
                        const CalendarWindow& window, CalendarReading& reading, std::string& error);

// An RSS or Atom feed; its items are added to `items`.
bool ReadNewsSource(const std::string& source, std::vector<FeedItem>& items, std::string& error);

// The signal, trader and message files (nothing when none is given).
bool ReadPollSources(const PublishOptions& options, const ZoneClock& zone, PollFiles& files,
                     std::string& error);
