// The country flags of the indicator list: country index (as the indicator feed numbers the
// countries) to flag bitmap resource, each 21 x 15.
#pragma once

#include <array>

#include "resources/resource.h"

inline constexpr int FLAG_COUNT = 16;
using FlagBitmapIds = std::array<int, FLAG_COUNT>;

inline constexpr FlagBitmapIds FLAG_BITMAP_IDS = {
    IDB_FLAG_CANADA,         IDB_FLAG_SWITZERLAND,  IDB_FLAG_EUROPEAN_UNION, IDB_FLAG_FRANCE,
    IDB_FLAG_UNITED_KINGDOM, IDB_FLAG_GERMANY,      IDB_FLAG_HONG_KONG,      IDB_FLAG_JAPAN,
    IDB_FLAG_NEW_ZEALAND,    IDB_FLAG_SOUTH_AFRICA, IDB_FLAG_UNITED_STATES,  IDB_FLAG_SWEDEN,
    IDB_FLAG_AUSTRALIA,      IDB_FLAG_NORWAY,       IDB_FLAG_SINGAPORE,      IDB_FLAG_CHINA};
