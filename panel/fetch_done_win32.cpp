#include "panel/fetch_done_win32.h"

#include "framework/private_messages.h"

std::function<void()> PostFetchDoneTo(HWND panel) {
    return [panel] { PostMessageA(panel, UM_FETCH_DONE, 0, 0); };
}
