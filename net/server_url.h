// Where the data server is.
#pragma once

#include <string>

// The base URL of the server files, ending in "/" (normally ".../sv_pelimor/websys/"): the
// environment variable PELIMOR_BASE_URL when it is set and not empty, otherwise the URL the
// program was built with. Its host may carry ":port".
std::string ServerBaseUrl();

// The URL of one server file: the base URL followed by the file's path ("prims/version.dat").
std::string ServerFileUrl(const std::string& path);
