// The maps the server poll keeps for the signal page and the signal-copy file.
#pragma once

#include <cstdint>
#include <map>
#include <string>

// Trade-signal entries ("s0,s1,...") by key, ascending; equal keys stay in insertion order, so
// the newest entry is the last one.
using SignalMap = std::multimap<int32_t, std::string>;
// Unchanged message lines by key, ordered like the signal map.
using MessageMap = std::multimap<int32_t, std::string>;
// Trader names by trader id.
using TraderNameMap = std::map<int32_t, std::string>;
