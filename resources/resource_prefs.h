// Resource numbers of the preference dialogs: general settings and sound settings.
#pragma once

// Dialog templates.
#define IDD_GENERAL_SETTINGS 172
#define IDD_SOUND_SETTINGS 173

// Sound settings (173): the list of alert events.
#define IDC_SOUND_LIST 1000

// General settings (172).
#define IDC_AUTO_CLOCK_ADJUST 1006
#define IDC_AVOID_SOUND_ERRORS 1007
#define IDC_NEWS_SOUND 1008
#define IDC_NEWS_BALLOON 1009
#define IDC_NOTICE_SOUND 1010
#define IDC_NOTICE_BALLOON 1011
#define IDC_NOTIFY_RANK 1012
#define IDC_NOTIFY_RANK_SPIN 1013
#define IDC_REGISTER_STARTUP 1015
#define IDC_UNREGISTER_STARTUP 1016
#define IDC_RULE_RESET_WARNING 1046
