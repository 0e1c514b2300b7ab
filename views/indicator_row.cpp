#include "views/indicator_row.h"

#include <algorithm>

namespace {

constexpr int TIME_X = 28;
constexpr int FLAG_X = 62;
constexpr int FLAG_Y = 3;
constexpr int FLAG_WIDTH = 21;
constexpr int FLAG_HEIGHT = 15;
constexpr int NAME_X = 88;
constexpr int TEXT_Y = 4;
constexpr int NAME_RIGHT_MARGIN = 12;

}  // namespace

IndicatorRowPlaces IndicatorRowPlacesAt(int left, int top, int height, int clientRight) {
    int bottom = top + height;
    IndicatorRowPlaces places;
    // The time ends where the flag begins.
    places.time = ViewRect{left + TIME_X, top + TEXT_Y, left + FLAG_X, bottom};
    places.flag = ViewRect::At(left + FLAG_X, top + FLAG_Y, FLAG_WIDTH, FLAG_HEIGHT);
    int nameLeft = left + NAME_X;
    places.name = ViewRect{nameLeft, top + TEXT_Y,
                           std::max(nameLeft, clientRight - NAME_RIGHT_MARGIN), bottom};
    return places;
}
