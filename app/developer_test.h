// The developer command's data: a test announcement that the expert advisor's link picks up a
// minute later, so an installation can be tried without waiting for a real announcement.
#pragma once

#include <cstdint>

class CAppCore;

// Adds an announcement one minute from now (rank 4, a new id) with an auto-trade rule whose only
// set word is the expert-advisor link, and saves every store. Returns the new id; 0 when the
// command ran twice within a second (the first announcement stands).
int32_t AddTestIndicator(CAppCore& core);
