// Importance words and numbers of calendar sources, mapped to the panel's ranks 1 to 5 (drawn
// as that many stars and compared with the auto-notify rank):
//
//   High, 高 (and "High Impact Expected")       5
//   Medium, 中                                  3
//   Low, 低                                     1
//   a number 1 to 5                             itself
//   iCalendar PRIORITY 1-2 / 3-4 / 5 / 6-7 / 8-9 5 / 4 / 3 / 2 / 1 (0 means undefined)
//   nothing                                     3 (DEFAULT_RANK)
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// None for a text that names no importance. Case and surrounding spaces do not matter; of an
// English text only the first word counts ("High Impact Expected" is High), a Japanese word
// must stand alone ("中国" is no rank).
std::optional<int32_t> RankOfWord(std::string_view word);

// None for 0 (undefined) and values outside 1..9.
std::optional<int32_t> RankOfPriority(int priority);
