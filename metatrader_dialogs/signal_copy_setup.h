// What the signal-copy setup dialog does with its MetaTrader folder field.
#pragma once

#include <string>

#include "app/app_core.h"
#include "metatrader/terminal_folder.h"

// The status line for the folder the field names.
std::string SignalCopyStatus(const TerminalFolderEntry& field);

// Copies the shipped QZGI.ex4 into the field's folder; returns the status line afterwards.
std::string InstallSignalCopyEa(const TerminalFolderEntry& field);

// The dialog closes: the field becomes the signal-copy folder, the settings are saved, and the
// folder's expert advisor is checked again, which decides whether the server poll writes the
// copy file from now on.
void StoreSignalCopyFolder(CAppCore& core, const TerminalFolderEntry& field);
