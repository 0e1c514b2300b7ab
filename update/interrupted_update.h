// The panel's part in updates: before it reads any file it ends a swap that a killed updater
// left behind, so it never runs from a half-replaced program folder.
#pragma once

#include <string>

// Finishes or rolls back an unfinished swap in the program folder, unless an updater is running
// (it does that itself before anything else).
void EndInterruptedUpdate(const std::string& programFolder);
