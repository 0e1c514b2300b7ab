// The texts of the signal page, built afresh from the server poll's maps whenever it is drawn.
#pragma once

#include <string>
#include <vector>

#include "metatrader/signal_maps.h"

// The newest signal in four lines: text, number and name; kind and time; prices; marker.
// "" when there is no signal.
std::string LatestSignalText(const SignalMap& signals);

// Two lines per signal for the six newest signals, newest first.
std::vector<std::string> SignalHistoryLines(const SignalMap& signals);

// The ten newest messages, newest first, each as "　name：text" and a blank line in HTML; the
// name and text are escaped ("&", "<", ">", '"'), so they show as they were written.
std::string SignalMessagesHtml(const MessageMap& messages, const TraderNameMap& traderNames);
