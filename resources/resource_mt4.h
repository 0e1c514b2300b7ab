// Resource numbers of the MetaTrader folder dialogs: the folder search, the expert-advisor setup
// and the signal-copy setup. The template and control numbers are the ones the dialogs have
// always had.
#pragma once

// Dialog templates.
#define IDD_HIST_SEARCH 17100
#define IDD_AUTO_BA 185
#define IDD_SIGNAL_TRADE 17102

// The folder search: its text, the list of folders and "再検索".
#define IDC_SEARCH_TEXT 17101
#define IDC_SEARCH_LIST 1027
#define IDC_SEARCH_AGAIN 17103

// The setup dialogs. Row n (0 to 2) of the expert-advisor setup uses the folder edit
// IDC_MT4_FOLDER + n * IDC_MT4_ROW_STEP, its "検索" and "参照" buttons the next two numbers, and
// the status line IDC_MT4_STATUS + n. The signal-copy setup has only the first row.
#define IDC_MT4_FOLDER 10000
#define IDC_MT4_SEARCH 10001
#define IDC_MT4_BROWSE 10002
#define IDC_MT4_FOLDER2 11000
#define IDC_MT4_SEARCH2 11001
#define IDC_MT4_BROWSE2 11002
#define IDC_MT4_FOLDER3 12000
#define IDC_MT4_SEARCH3 12001
#define IDC_MT4_BROWSE3 12002
#define IDC_MT4_ROW_STEP 1000
#define IDC_MT4_STATUS 1042
#define IDC_MT4_STATUS2 1043
#define IDC_MT4_STATUS3 1044
#define IDC_MT4_SETUP 1041
#define IDC_MT4_VERIFY 12003
#define IDC_MT4_EA_NAME 1046
