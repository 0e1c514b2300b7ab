#include "update/update_os.h"

namespace {
UpdateOsSeam g_platformSeam;
UpdateOsSeam* g_currentSeam = &g_platformSeam;
}

UpdateOsSeam& UpdateOs() { return *g_currentSeam; }

ScopedUpdateOs::ScopedUpdateOs(UpdateOsSeam& seam) : previous_(g_currentSeam) { g_currentSeam = &seam; }

ScopedUpdateOs::~ScopedUpdateOs() { g_currentSeam = previous_; }
