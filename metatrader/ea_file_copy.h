// Copying one shipped expert-advisor file into a terminal folder without destroying what was
// there: the terminal may hold a trader's own build or another advisor of the same name.
#pragma once

#include <string>

// Copies source over target. A target that exists and is not the same file as source (their
// digests differ) is first kept beside it as target + ".old", replacing an older ".old": one
// generation. An equal target is overwritten without a backup, so setting up twice keeps the
// trader's file of the first time. False when the copy failed.
bool CopyKeepingTheOld(const std::string& source, const std::string& target);
