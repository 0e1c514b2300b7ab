// Folder fields of the MetaTrader setup dialogs.
#pragma once

#include <string>

// A folder chosen in the folder browser as a field holds it: with a trailing path separator.
// "" when the browser gave no file-system path (nothing to put in the field).
std::string AsFolderField(const std::string& chosenPath);
