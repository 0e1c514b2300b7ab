#include "views/hand_cursor_win32.h"

namespace {
HCURSOR g_handCursor = nullptr;
}  // namespace

void LendHandCursor(HCURSOR cursor) { g_handCursor = cursor; }

void ShowHandCursor() { SetCursor(g_handCursor ? g_handCursor : LoadCursorA(nullptr, IDC_HAND)); }
