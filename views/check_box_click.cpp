#include "views/check_box_click.h"

void CheckBoxClick::ButtonDown(int x, int row) { pressedRow_ = x < COLUMN_WIDTH ? row : NO_ROW; }

int CheckBoxClick::ButtonUp(int selectedRow) {
    int toggled = pressedRow_ != NO_ROW && selectedRow == pressedRow_ ? pressedRow_ : NO_ROW;
    pressedRow_ = NO_ROW;
    return toggled;
}

bool ToggleNotification(IndicatorStore& store, int32_t id, const std::string& path) {
    const IndicatorRecord* record = store.FindById(id);
    if (!record) return false;
    store.SetNotify(id, !record->notify);
    store.Save(path);
    return true;
}
