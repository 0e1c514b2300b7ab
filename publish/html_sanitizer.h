// News bodies cut down to the markup the panel's browser pane shows, safe to show.
#pragma once

#include <string>
#include <string_view>

// Parses the HTML (libxml2's HTML parser, no network) and writes it back on one line with only
// harmless elements and attributes: scripts, styles, frames, forms, embedded objects and their
// contents are dropped; every event and style attribute is dropped; links and images keep only
// http and https addresses; entities are decoded and the text re-escaped (&amp; &lt; &gt;
// &quot;). Unknown elements are replaced by their contents. Line breaks become spaces.
std::string SanitizeHtml(std::string_view html);

// Plain text as HTML: "&", "<", ">" and '"' escaped, line breaks as spaces.
std::string EscapeHtmlText(std::string_view text);
