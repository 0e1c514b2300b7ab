// How a finished download reaches the panel on Windows.
#pragma once

#include <windows.h>

#include <functional>

// Posted to the panel when a download has finished; the panel's handler takes the finished feeds
// and polls from its ServerDownloads. Both parameters are 0.
inline constexpr UINT UM_FETCH_DONE = 1126;

// The wake-up for ServerDownloads: posts UM_FETCH_DONE to the panel. Posted, not sent: the
// download thread must never wait for the panel, which waits for the download threads when it
// closes. A panel already gone simply misses the message; the results stay with their owner.
std::function<void()> PostFetchDoneTo(HWND panel);
