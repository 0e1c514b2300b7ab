// Cutting an absolute http URL ("http://host[:port]/path") into its host and path.
#pragma once

#include <string>
#include <string_view>

// The text between the second and the third "/" (to the end when there is no third);
// empty when the URL has fewer than two.
std::string UrlHost(std::string_view url);

// Everything from the third "/" on; empty when the URL has no "/" after its host.
std::string UrlPath(std::string_view url);
