// Shortening an indicator name to the width of its row.
#pragma once

#include <functional>
#include <string>

// The width of a text in pixels, as the drawing font measures it.
using TextWidth = std::function<int(const std::string&)>;

// The name as drawn in `limit` pixels: whole while its width stays below the limit, otherwise
// cut one character at a time (a double-byte CP932 character is one character) and ended with
// "..."; "..." alone when no character fits before it.
std::string FitNameToWidth(const std::string& name, int limit, const TextWidth& widthOf);
