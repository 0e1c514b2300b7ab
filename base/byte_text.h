// The byte-exact text operations that the feeds and the local files are cut apart and put
// together with: split at a delimiter, fields, counts, ends, lines, printf.
//
// A text is a CP932 byte string; nothing here looks at double-byte characters (cp932_text.h
// does).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Finds the first delimiter: head := the bytes before it, text := the bytes after it.
// Without one, returns false and changes neither.
bool SplitFirst(std::string& text, std::string& head, std::string_view delimiter);
// The same over views of one text, which copies nothing.
bool SplitFirst(std::string_view& text, std::string_view& head, std::string_view delimiter);

// Field n (from 0) between delimiters; the last field runs to the end. With fewer than n
// delimiters, returns false and leaves field unchanged.
bool FieldAt(std::string_view text, int index, std::string_view delimiter, std::string& field);

// Non-overlapping occurrences from the left; 0 for an empty delimiter.
int CountOccurrences(std::string_view text, std::string_view delimiter);

// The first / last n bytes; the whole text when it is shorter.
std::string LeftBytes(std::string_view text, size_t n);
std::string RightBytes(std::string_view text, size_t n);

// Remove every repetition of the suffix at the end / the prefix at the start.
void TrimSuffix(std::string& text, std::string_view suffix);
void TrimPrefix(std::string& text, std::string_view prefix);

// Lines end at LF; trailing CRs are removed; bytes after the last LF are dropped.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views of the text, for readers that copy only the fields they keep.
std::vector<std::string_view> SplitLineViews(std::string_view text);

// Every line, the last one included, followed by the separator.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view separator = "\n");

#if defined(__clang__)
#define PELIMOR_PRINTF_FORMAT __attribute__((format(printf, 1, 2)))
#else
#define PELIMOR_PRINTF_FORMAT __attribute__((format(gnu_printf, 1, 2)))
#endif

// printf into a std::string, sized to what the format produces.
std::string FormatText(const char* format, ...) PELIMOR_PRINTF_FORMAT;
