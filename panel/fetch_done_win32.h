// How a finished download reaches the panel on Windows.
#pragma once

#include <windows.h>

#include <functional>

// The wake-up for ServerDownloads: posts UM_FETCH_DONE to the panel (both parameters 0), whose
// handler takes the finished feeds and polls from its ServerDownloads. Posted, not sent: the
// download thread must never wait for the panel, which waits for the download threads when it
// closes. A panel already gone simply misses the message; the results stay with their owner.
std::function<void()> PostFetchDoneTo(HWND panel);
