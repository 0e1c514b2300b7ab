#include "base/os.h"

namespace {
OsSeam g_platformSeam;
OsSeam* g_currentSeam = &g_platformSeam;
}  // namespace

OsSeam& Os() { return *g_currentSeam; }

ScopedOs::ScopedOs(OsSeam& seam) : previous_(g_currentSeam) { g_currentSeam = &seam; }

ScopedOs::~ScopedOs() { g_currentSeam = previous_; }
