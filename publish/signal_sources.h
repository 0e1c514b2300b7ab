// Trade signals, trader names and trader messages from CSV files (UTF-8, header row, columns
// in any order) into the comma-separated CP932 lines of the server poll files:
//
//   traders   id, name                     -> "qznhnd_trader.dat":  id,name
//   messages  id, trader, time, text       -> "qznhnd_message.dat": id,trader,time,text
//   signals   id, ticket, time, symbol, kind (N, C or M), side (B or S), price, stop, limit,
//             lots                         -> "qznhnd_data.dat":
//             id,ticket,time,symbol,time,kind,side,price,stop,limit,lots,YYYY.MM.DD HH:MM:SS
//
// A time is ISO 8601 (civil time in the panel's zone without an offset) or seconds since 1970;
// the last signal field is that time in the panel's zone. A comma inside a text becomes the
// full-width "，" and a line break a space, so that no field can split.
#pragma once

#include <string>
#include <string_view>

#include "publish/zone_clock.h"

struct PollFiles {
    std::string traders;
    std::string messages;
    std::string signals;
};

// False, with the file, line and reason in `error`, for a file that is no such CSV.
bool ReadSignalSources(std::string_view traders, std::string_view messages,
                       std::string_view signals, const ZoneClock& zone, PollFiles& files,
                       std::string& error);
