// What the expert-advisor setup dialog does with its three MetaTrader folder fields.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/app_core.h"

using TerminalFolderFields = std::array<std::string, CAppCore::TERMINAL_FOLDER_COUNT>;

// What the dialog shows after a verification or a setup: first each row's status line, then
// the notices, one message box each, in order.
struct EaSetupReport {
    std::array<std::string, CAppCore::TERMINAL_FOLDER_COUNT> statusTexts;
    std::vector<std::string> notices;
};

// Each row's status line; when tellUser is set, also the notice that the rows were checked.
EaSetupReport VerifyEaFolders(const TerminalFolderFields& fields, bool tellUser);

// Copies the shipped files into every row that names a folder and verifies all rows. The
// verification notice comes first, then the reminder to enable the expert advisor in the
// terminal.
EaSetupReport InstallEaFiles(const TerminalFolderFields& fields);

// Keeps the fields as the core's terminal folders and saves the settings.
void StoreTerminalFolders(CAppCore& core, const TerminalFolderFields& fields);
