// CAutoBASetDlg: the auto-trade rules of the coming announcements, one list row per
// announcement time. A double-click on the "IA連携" column switches the expert advisor's link,
// elsewhere it opens the rule editor; "全て削除" empties the listed rules.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/dialog.h"
#include "framework/list_ctrl.h"

class CAutoBASetDlg : public CDialog {
public:
    CAutoBASetDlg();

protected:
    bool OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CListCtrl List() const;
    // Puts each row's rule into its columns; rows whose announcement has gone keep theirs.
    void RefreshRows() const;
    void OnListDoubleClicked();
    std::vector<int32_t> ListedIndicatorIds() const;
    int32_t RowIndicatorId(int row) const;
    int ColumnUnderCursor() const;
};
