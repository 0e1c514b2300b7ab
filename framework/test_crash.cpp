#include "framework/test_crash.h"

#ifdef PELIMOR_TEST_CRASH
#include <cstdlib>
#include <cstring>
#include <stdexcept>

void CrashWhenTestAsks() {
    const char* asked = std::getenv("PELIMOR_TEST_CRASH");
    if (!asked) return;
    if (std::strcmp(asked, "throw") == 0) throw std::runtime_error("the test asked for a crash");
    if (std::strcmp(asked, "1") != 0) return;
    // A real fault, as a bad pointer gives. Both volatile: the compiler must neither see the
    // null (and put a trap instruction of its own there) nor drop the store as one nobody reads.
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
}
#endif
