// The size at which a list row's announcement time is drawn. The time is the one thing a trader
// must read in the row, so it is never cut: when the list's font is too wide for the time's
// place (a stand-in for the intended font), the time takes the largest smaller size at which it
// fits whole.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The width in pixels of a text in the list's font at a size in tenths of a point.
using SizedTextWidth = std::function<int(const std::string& text, int tenthsOfPoint)>;

// The sizes the time may take, in tenths of a point, largest first: the list's own 10 pt, then
// down in half points to 6 pt, below which digits are no longer read at a glance.
const std::vector<int>& TimeFontSizes();

// The first of the sizes (largest first) at which the text is at most `limit` pixels wide; the
// last, smallest one when it fits at none.
int TimeFontSizeFor(const std::string& time, int limit, const std::vector<int>& sizes,
                    const SizedTextWidth& widthAt);
