#include "prefs/sound_setting_dlg_win32.h"

#include "app/app_core.h"
#include "app/core_sound_player_win32.h"
#include "prefs/sound_file_dialog_win32.h"
#include "resources/resource_prefs.h"

namespace {
enum Column { COLUMN_CHECK, COLUMN_LABEL, COLUMN_FILE, COLUMN_PLAY };

constexpr DWORD LIST_STYLES = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;

// The folder of the last file chosen, where the file dialog opens next; kept while the program
// runs, not saved.
std::string g_lastSoundFolder;
}  // namespace

CSoundSettingDlg::CSoundSettingDlg() : CDialog(IDD_SOUND_SETTINGS) {}

CListCtrl CSoundSettingDlg::List() const { return CListCtrl(GetDlgItem(IDC_SOUND_LIST)); }

bool CSoundSettingDlg::OnInitDialog() {
    List().SetExtendedStyle(LIST_STYLES);
    List().InsertColumns({{"　", 20}, {"時刻・種類", 80}, {"サウンドファイル", 300}, {"PLAY", 40}});
    for (const SoundSettingRow& row : SoundSettingRowsOf(theCore)) InsertRow(row);
    return true;
}

void CSoundSettingDlg::InsertRow(const SoundSettingRow& setting) const {
    const CListCtrl list = List();
    const int row = list.AddItem("");
    list.SetItemText(row, COLUMN_LABEL, setting.label);
    list.SetItemText(row, COLUMN_FILE, setting.file);
    list.SetItemText(row, COLUMN_PLAY, "PLAY");
    list.SetCheck(row, setting.enabled);
}

std::vector<SoundSettingRow> CSoundSettingDlg::ReadRows() const {
    std::vector<SoundSettingRow> rows;
    const CListCtrl list = List();
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows.push_back({list.GetCheck(row), "", list.GetItemText(row, COLUMN_FILE)});
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
    int row = 0;
    int column = 0;
    if (!List().CellAt(click.ptAction, row, column)) return;
    if (column == COLUMN_FILE) ChooseFileForRow(row);
    // The test plays what OK would store, in the current sound mode.
    if (column == COLUMN_PLAY) {
        SoundFilePlayer().Play(SoundCue{List().GetItemText(row, COLUMN_FILE), 0});
    }
}

void CSoundSettingDlg::ChooseFileForRow(int row) {
    std::string chosen = ChooseSoundFile(m_hWnd, SoundFileFilter(theCore), g_lastSoundFolder);
    if (chosen.empty()) return;
    List().SetItemText(row, COLUMN_FILE, TakeChosenSoundFile(chosen, g_lastSoundFolder));
}
