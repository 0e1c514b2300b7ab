// One line of the local news files "iasnews.dat" and "ianews.dat": id, time (low 32 bits),
// title, body and the marks (bit 0 unread, bit 1 announced, bit 2 advert), each field followed
// by 0x07, numbers as "%08X".
#pragma once

#include <string>
#include <string_view>

#include "store/news_item.h"

// Appends the item's line, without the line end.
void AppendNewsFileLine(std::string& text, const iaNews& item);

// Missing fields read as empty texts or 0; the time comes back with a zero high part.
// `present` stays clear.
iaNews ParseNewsFileLine(std::string_view line);
