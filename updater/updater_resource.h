// Identifiers of the updater's dialog template (updater.rc).
#pragma once

#define IDD_UPDATER 100
#define IDC_UPDATER_STATUS 1001
#define IDC_UPDATER_PROGRESS 1002
