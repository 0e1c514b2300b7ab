// Resource numbers shared by the resource scripts and the program. Many numbers are fixed by
// the program's outside: the expert advisor, the settings file and the dialog code rely on them.
#pragma once

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_PELIMOR_DIALOG 102
#define IDD_FIRST_RUN 176
#define IDD_LICENSE 201

// Icons.
#define IDR_MAINFRAME 128
#define IDI_SELECTED_DAY 163
#define IDI_HOVER_DAY 164
#define IDI_PRESSED_DAY 165
#define IDI_ADVERT_LINK 187

// The hand cursor over clickable places.
#define IDC_HAND_CURSOR 179

// The panel menu: its first submenu is what a right click shows.
#define IDR_PANEL_MENU 128

// Page backgrounds; white pixels are holes in the panel's outline.
#define IDB_PAGE_CALENDAR 129
#define IDB_PAGE_LIST 130
#define IDB_PAGE_NEWS 156
#define IDB_PAGE_NOTICES 159
#define IDB_PAGE_SIGNALS 200

// Button strips (frames stacked from top to bottom). A button's click reports its number.
#define IDB_HIDE 131
#define IDB_TITLE 134
#define IDB_TAB_INDICATORS 135
#define IDB_TAB_NEWS 136
#define IDB_TAB_NOTICES 160
#define IDB_NEXT_MONTH 140
#define IDB_PREVIOUS_MONTH 141
#define IDB_FOLD_CALENDAR 154
#define IDB_UNFOLD_CALENDAR 155
#define IDB_NOTICE_NEXT 179
#define IDB_NOTICE_PREVIOUS 180
#define IDB_NOTICE_UNREAD 181
#define IDB_NOTICE_MARK_READ 182
#define IDB_NEWS_PREVIOUS 185
#define IDB_NEWS_NEXT 186

// The indicator list's pictures.
#define IDB_LIST_TILE 142
#define IDB_CHECK_BOX 143

// Flags, 21 x 15, by country index 0 to 15.
#define IDB_FLAG_CANADA 144
#define IDB_FLAG_SWITZERLAND 145
#define IDB_FLAG_EUROPEAN_UNION 146
#define IDB_FLAG_FRANCE 147
#define IDB_FLAG_UNITED_KINGDOM 148
#define IDB_FLAG_GERMANY 149
#define IDB_FLAG_HONG_KONG 150
#define IDB_FLAG_JAPAN 151
#define IDB_FLAG_NEW_ZEALAND 152
#define IDB_FLAG_SOUTH_AFRICA 153
#define IDB_FLAG_UNITED_STATES 166
#define IDB_FLAG_SWEDEN 167
#define IDB_FLAG_AUSTRALIA 168
#define IDB_FLAG_NORWAY 169
#define IDB_FLAG_SINGAPORE 170
#define IDB_FLAG_CHINA 178

// The picture at the top of the version dialog.
#define IDB_ABOUT_BANNER 189

// Controls of the panel (dialog 102).
#define IDC_UNUSED_LIST_VIEW 1000
#define IDC_INDICATOR_LIST 1002
#define IDC_PANEL_EDIT 1003
#define IDC_HTML_PANE 1005
#define IDC_MAILBOX_ROOT1 1019
#define IDC_MAILBOX_ROOT2 1020
#define IDC_MAILBOX_ROOT3 1021

// Controls of the terms dialog (201), the first-run dialog (176) and the version dialog (100).
#define IDC_TERMS_TEXT 1003
#define IDC_TERMS_AGREED 1047
#define IDC_FIRST_RUN_STARTUP 1017
#define IDC_FIRST_RUN_DESKTOP 1018
#define IDC_VERSION_TEXT 1014

// Commands of the panel menu.
#define ID_EXIT 32772
#define ID_ABOUT 32773
#define ID_GENERAL_SETTINGS 32774
#define ID_SOUND_SETTINGS 32775
#define ID_ADJUST_CLOCK 32776
#define ID_DEVELOPER_TEST 32777
#define ID_CHECK_UPDATE 32778
#define ID_SHOW_HIDE 32783
#define ID_FORCED_UPDATE 32784
#define ID_RESET_INDICATORS 32785
#define ID_RUN_SETUP 32788
#define ID_AUTO_TRADE_RULES 32789
#define ID_EA_SETUP 32791
#define ID_SIGNAL_COPY 32798
#define ID_SHOW_SIGNALS 32799
#define ID_HELP_MANUAL 57670

// The maker's web pages (on the part of the menu that is never shown).
#define ID_WEB_HOME 32780
#define ID_WEB_SUPPORT 32781
#define ID_WEB_FAQ 32782
#define ID_WEB_CALENDAR 32793
#define ID_WEB_NEWS 32794
#define ID_WEB_METATRADER 32795
#define ID_WEB_CONTACT 32796
