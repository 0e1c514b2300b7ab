// Where the parts of one indicator list row go: the check box, the announcement time, the
// country's flag and the name, each in a place of its own so that no text runs onto its
// neighbour whatever the font measures (list-client pixels).
#pragma once

#include "views/view_rect.h"

struct IndicatorRowPlaces {
    ViewRect time;  // "hh:mm", whole: in a smaller size when the font is too wide for it
    ViewRect flag;  // 21 x 15
    ViewRect name;  // the name, fitted to this width
};

// The places in the row (left, top) .. (left + width, top + height) of a list whose client
// area ends at clientRight.
IndicatorRowPlaces IndicatorRowPlacesAt(int left, int top, int height, int clientRight);
