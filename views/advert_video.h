// The video of an advert news item. Its body embeds the video site's player, whose source is
// the site's embed address of the video; the user gets the video's own page instead, in the
// default browser.
#pragma once

#include <string>

inline constexpr char VIDEO_EMBED_PREFIX[] = "http://www.youtube.com/embed/";
inline constexpr char VIDEO_WATCH_PREFIX[] = "http://www.youtube.com/watch?v=";

// The watch address for the first source attribute ("src=") of the body: its value up to the
// next space, without the embed prefix, after the watch prefix. A step that finds no delimiter
// leaves the text as it was; the browser then reports a bad address.
std::string AdvertVideoAddress(const std::string& body);
