// The bytes of a source named on the command line: a file path or an http/https URL.
#pragma once

#include <cstddef>
#include <string>

// Sources larger than this are refused, whether files or downloads.
inline constexpr size_t MAX_SOURCE_BYTES = 32u * 1024 * 1024;

// A URL is fetched with libcurl (http and https only, redirects within those, a connect
// time-out of 20 s and a whole-transfer time-out of 120 s; an HTTP status of 400 or more is a
// failure). False, with the reason in `error`, when the source cannot be read or is too large.
bool ReadSourceBytes(const std::string& source, std::string& bytes, std::string& error);
