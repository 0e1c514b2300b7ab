// The GET request that the HTTP client sends.
#pragma once

#include <string>

// One of three forms, byte for byte:
//   HTTP/1.1 with a host:    "GET <target> HTTP/1.1\r\nHOST: <host>\r\n<extra>Connection:
//   close\r\n\r\n" HTTP/1.1 without a host: "GET <target> HTTP/1.1\r\n<extra>Connection:
//   close\r\n\r\n" HTTP/1.0:                "GET <target> HTTP/1.0\r\n<extra>Connection:
//   close\r\n\r\n" (no host line)
// extraHeaders goes in verbatim; each of its lines must end in CR LF.
std::string BuildGetRequest(const std::string& target, bool http11, const std::string& host,
                            const std::string& extraHeaders);
