// What a fetch of the HTTP client gave.
//
// A socket attempt keeps the whole answer (status line, headers, the empty line, the body); the
// system download gives the body alone. The flag says which, so that a body holding an empty
// line of its own (a feed written with CR LF) is never cut as if its first part were a head.
#pragma once

#include <string>

struct FetchedText {
    std::string text;
    bool withHead = false;  // text begins with the answer's status line and headers
};

// The body: the text after the head's first empty line when the text carries a head, the whole
// text otherwise.
std::string FetchedBody(const FetchedText& fetched);
