#include "welcome/license_dlg_win32.h"

#include "framework/private_messages.h"
#include "resources/resource.h"

namespace {
// Nine articles, each continued on lines that start with an ideographic space, then the date.
const char TERMS_TEXT[] =
    "第1条 本ソフトウェアに関する著作権その他一切の権利（知的財産権を含みます）は、\r\n"
    "　開発元に帰属します。本ソフトウェアおよび付属文書を、開発元の許可なく複製、\r\n"
    "　改変することを禁じます。\r\n"
    "第2条 開発元は、本ソフトウェアの品質、性能、特定目的への適合性および瑕疵の\r\n"
    "　ないことについて、いかなる保証もいたしません。本ソフトウェアの使用または\r\n"
    "　使用できないことによって生じたいかなる損害についても、責任を負いません。\r\n"
    "第3条 開発元は、本ソフトウェアの使用により利用者に生じた不利益の解消、機能の\r\n"
    "　改善、不具合の修正を行う義務を負いません。\r\n"
    "第4条 開発元は、本ソフトウェアの使用により生じたコンピュータおよびネットワーク\r\n"
    "　への損害を含む一切の損害、ならびにその修復費用について責任を負いません。\r\n"
    "第5条 本ソフトウェアは情報を提供する道具であり、金融商品への投資を勧誘する\r\n"
    "　ものではありません。また、将来の利益を約束するものでもありません。\r\n"
    "第6条 開発元は、本ソフトウェアが提供する情報の完全性を保証しません。本ソフト\r\n"
    "　ウェアの仕様は、予告なく変更されることがあります。\r\n"
    "第7条 本ソフトウェアを利用した取引による利益は保証されません。取引によって\r\n"
    "　生じた損失は、すべて利用者自身の責任となります。\r\n"
    "第8条 本ソフトウェアを利用した方は、本規約のすべての条項を読み、理解したものと\r\n"
    "　みなします。\r\n"
    "第9条 開発元は、本規約をいつでも追加または変更することができます。\r\n"
    "平成25年8月31日\r\n";
}  // namespace

CLicenseDlg::CLicenseDlg() : CDialog(IDD_LICENSE) {}

// UM_CARET_TO_START is asked for once the dialog is active: the dialog manager selects an edit's
// whole text when it gives it the focus, which would show the terms highlighted.
bool CLicenseDlg::OnInitDialog() {
    SetDlgItemText(IDC_TERMS_TEXT, TERMS_TEXT);
    PostMessage(UM_CARET_TO_START);
    return false;
}

bool CLicenseDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != UM_CARET_TO_START) return CDialog::OnMessage(message, wParam, lParam, result);
    // The text opens at its first line with nothing selected.
    SendDlgItemMessage(IDC_TERMS_TEXT, EM_SETSEL, 0, 0);
    SendDlgItemMessage(IDC_TERMS_TEXT, EM_SCROLLCARET);
    result = 0;
    return true;
}

void CLicenseDlg::OnCancel() {
    // "閉じる", the close box and Esc all end here; the box's state at this moment counts.
    agreed_ = IsDlgButtonChecked(IDC_TERMS_AGREED);
    CDialog::OnCancel();
}
