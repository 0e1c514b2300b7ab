// The developer dialog's figure: the content digest of the signal-copy expert advisor as it lies
// in the chosen terminal folder, to be pasted into the program as the reference digest.
#pragma once

#include <string>

#include "metatrader/terminal_folder.h"

// FileDigest of the folder's QZGI.ex4; "" when the entry names no folder or the file cannot
// be read.
std::string SignalCopyEaDigest(const TerminalFolderEntry& signalCopyFolder);
