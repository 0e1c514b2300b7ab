// Which addresses the program hands to the user's default browser. ShellExecuteA passes the
// text to whatever program is registered for it, so only a plain web address may go: the
// http or https scheme, a host, and nothing that a command line or another handler could read
// as more than an address (quotes, spaces, angle brackets, "%" outside an escape, non-ASCII).
#pragma once

#include <string_view>

// True for "http://HOST..." or "https://HOST..." (scheme in any case) of at most
// MAX_WEB_ADDRESS_LENGTH bytes, made only of URL characters, "%" only as "%XX".
bool IsOpenableWebAddress(std::string_view address);

inline constexpr size_t MAX_WEB_ADDRESS_LENGTH = 2048;
