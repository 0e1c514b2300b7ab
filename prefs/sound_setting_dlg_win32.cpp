#include "prefs/sound_setting_dlg_win32.h"

#include <iterator>

#include "app/app_core.h"
#include "prefs/play_sound_file.h"
#include "prefs/sound_file_dialog_win32.h"
#include "resources/resource_prefs.h"

namespace {
enum Column { COLUMN_CHECK, COLUMN_LABEL, COLUMN_FILE, COLUMN_PLAY };

struct ColumnSpec {
    const char* header;
    int width;  // pixels
};

constexpr ColumnSpec COLUMNS[] = {
    {"　", 20},
    {"時刻・種類", 80},
    {"サウンドファイル", 300},
    {"PLAY", 40},
};

constexpr DWORD LIST_STYLES = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;

// The folder of the last file chosen, where the file dialog opens next; kept while the program
// runs, not saved.
std::string g_lastSoundFolder;

void SetCellText(HWND list, int row, int column, const std::string& text) {
    ListView_SetItemText(list, row, column, const_cast<char*>(text.c_str()));
}
}  // namespace

CSoundSettingDlg::CSoundSettingDlg() : CDialog(IDD_SOUND_SETTINGS) {}

HWND CSoundSettingDlg::List() const { return GetDlgItem(IDC_SOUND_LIST); }

bool CSoundSettingDlg::OnInitDialog() {
    ListView_SetExtendedListViewStyle(List(), LIST_STYLES);
    InsertColumns();
    std::vector<SoundSettingRow> rows = SoundSettingRowsOf(theCore);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) InsertRow(row, rows[row]);
    return true;
}

void CSoundSettingDlg::InsertColumns() const {
    for (int column = 0; column < static_cast<int>(std::size(COLUMNS)); ++column) {
        LVCOLUMNA spec = {};
        spec.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        spec.fmt = LVCFMT_LEFT;
        spec.cx = COLUMNS[column].width;
        spec.pszText = const_cast<char*>(COLUMNS[column].header);
        spec.iSubItem = column;
        ListView_InsertColumn(List(), column, &spec);
    }
}

void CSoundSettingDlg::InsertRow(int row, const SoundSettingRow& setting) const {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>("");
    ListView_InsertItem(List(), &item);
    SetCellText(List(), row, COLUMN_LABEL, setting.label);
    SetCellText(List(), row, COLUMN_FILE, setting.file);
    SetCellText(List(), row, COLUMN_PLAY, "PLAY");
    ListView_SetCheckState(List(), row, setting.enabled);
}

std::string CSoundSettingDlg::FileOfRow(int row) const {
    // A path from the settings file may be longer than any the file dialog returns: the buffer
    // grows until the whole text fits, so OK never stores a cut path.
    std::string text(MAX_PATH, '\0');
    for (;;) {
        LVITEMA item = {};
        item.iSubItem = COLUMN_FILE;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        int length = static_cast<int>(
            ::SendMessageA(List(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
        if (length < static_cast<int>(text.size()) - 1) {
            text.resize(static_cast<size_t>(length));
            return text;
        }
        text.assign(text.size() * 2, '\0');
    }
}

std::vector<SoundSettingRow> CSoundSettingDlg::ReadRows() const {
    std::vector<SoundSettingRow> rows;
    const int count = ListView_GetItemCount(List());
    for (int row = 0; row < count; ++row)
        rows.push_back({ListView_GetCheckState(List(), row) != 0, "", FileOfRow(row)});
    return rows;
}

void CSoundSettingDlg::OnOK() {
    StoreSoundSettings(theCore, ReadRows());
    CDialog::OnOK();
}

bool CSoundSettingDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_SOUND_LIST && header->code == NM_DBLCLK) {
            OnListDoubleClick(*reinterpret_cast<const NMITEMACTIVATE*>(lParam));
            result = 0;
            return true;
        }
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}

void CSoundSettingDlg::OnListDoubleClick(const NMITEMACTIVATE& click) {
    // The cell under the click decides; a click beside every row does nothing.
    LVHITTESTINFO hit = {};
    hit.pt = click.ptAction;
    if (ListView_SubItemHitTest(List(), &hit) < 0 || !(hit.flags & LVHT_ONITEM)) return;
    if (hit.iSubItem == COLUMN_FILE) ChooseFileForRow(hit.iItem);
    // The test plays what OK would store, in the current sound mode.
    if (hit.iSubItem == COLUMN_PLAY) PlaySoundFile(FileOfRow(hit.iItem), 0);
}

void CSoundSettingDlg::ChooseFileForRow(int row) {
    std::string chosen = ChooseSoundFile(m_hWnd, SoundFileFilter(theCore), g_lastSoundFolder);
    if (chosen.empty()) return;
    SetCellText(List(), row, COLUMN_FILE, TakeChosenSoundFile(chosen, g_lastSoundFolder));
}
