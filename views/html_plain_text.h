// An HTML body as plain text, for when no browser can show it: "<br>" tags become line breaks,
// every other tag and every comment goes, script and style contents go with their tags,
// character references are decoded and runs of white space fold into one space, as a browser
// would show them.
#pragma once

#include <string>
#include <string_view>

// A pane shows a few hundred characters, and drawing wraps whatever text it is given, so the
// text ends after this many bytes (and the rest of the body is not read).
inline constexpr size_t PLAIN_TEXT_MAX_BYTES = 8192;

// CP932 in and out. Characters that CP932 lacks become "?"; an unknown or unterminated
// reference stays as written. The text ends on a character boundary at PLAIN_TEXT_MAX_BYTES or
// a few bytes past it.
std::string HtmlToPlainText(std::string_view html);
