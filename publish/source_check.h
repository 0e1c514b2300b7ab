// pelimor-publish --check: every configured source read as a run would read it, with what each
// one holds, and nothing written.
#pragma once

#include <cstdint>
#include <string>

#include "publish/publish_options.h"

// One line per source into `report`: what it holds ("12 events, 1 skipped") or why it cannot be
// used. True when every source is usable. `now` places the window of announcements.
bool CheckSources(const PublishOptions& options, int64_t now, std::string& report);
