// Resource numbers of the auto-trade rule dialogs and the developer digest dialog.
#pragma once

// Dialog templates.
#define IDD_AUTO_BA_CUR 186
#define IDD_AUTO_BA_SET 187
#define IDD_TEST 188

// Rule list (187).
#define IDC_CLEAR_ALL_RULES 1023
#define IDC_RULE_LIST 1027

// Rule editor (186); its symbol list is IDC_RULE_LIST as well.
#define IDC_RULE_TARGET 1014
#define IDC_RULE_DIRECTION 1045

// Developer digest dialog (188).
#define IDC_TEST_EX4_DIGEST 1000
#define IDC_TEST_SOURCE_DIGEST 1001
#define IDC_TEST_DLL_DIGEST 1002
