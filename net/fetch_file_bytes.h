// Downloading a file byte for byte.
//
// The panel's text fetch ends a text at its first NUL byte, which a program file or a signature
// is full of; this download keeps every byte (the updater's files, the system download outside
// Windows). It uses the HTTP client's connection (the same
// time-outs) and its reading of an answer (status 200, Content-Length or the server's close, the
// same size limit).
#pragma once

#include <string>

// One HTTP/1.1 GET of the URL ("http://host[:port]/path"); false unless the whole body came.
bool FetchFileBytes(const std::string& url, std::string& body);
