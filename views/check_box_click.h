// The notification check box at the left of each indicator row: which click toggles it, and the
// toggle itself.
//
// A click toggles when the left button goes down in the check-box column of a row and comes up
// while that same row is the list's selection (the list selects the row it is pressed on), so a
// press dragged onto another row, or a press on the name, toggles nothing.
#pragma once

#include <cstdint>
#include <string>

#include "store/indicator_store.h"

class CheckBoxClick {
public:
    // Everything left of this client x is the check-box column.
    static constexpr int COLUMN_WIDTH = 24;
    static constexpr int NO_ROW = -1;

    // row: the row under the point, NO_ROW when the point lies below the last row.
    void ButtonDown(int x, int row);
    // The row whose check box the click toggles, or NO_ROW. Forgets the press either way.
    int ButtonUp(int selectedRow);

private:
    int pressedRow_ = NO_ROW;
};

// Switches the announcement's notification over and saves the store to path, so the choice
// outlives a crash or an update that ends the program at once. False when the store holds no
// record with that id (nothing changes then).
bool ToggleNotification(IndicatorStore& store, int32_t id, const std::string& path);
