// A crash on request, for the end-to-end tests of the crash dump writer. It exists only in
// builds configured with the CMake option PELIMOR_TEST_CRASH (the windows preset, which the
// tests use; release builds leave it out), so no user's program can be made to crash this way.
#pragma once

#ifdef PELIMOR_TEST_CRASH
// Ends the process with an access violation when the environment variable PELIMOR_TEST_CRASH
// is "1", throws a C++ exception that nothing catches when it is "throw"; otherwise does nothing.
void CrashWhenTestAsks();
#endif
