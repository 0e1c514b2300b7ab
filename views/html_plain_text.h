// An HTML body as plain text, for when no browser can show it: "<br>" tags become line breaks,
// every other tag and every comment goes, script and style contents go with their tags,
// character references are decoded and runs of white space fold into one space, as a browser
// would show them.
#pragma once

#include <string>
#include <string_view>

// CP932 in and out. Characters that CP932 lacks become "?"; an unknown or unterminated
// reference stays as written.
std::string HtmlToPlainText(std::string_view html);
