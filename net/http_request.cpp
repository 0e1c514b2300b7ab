#include "net/http_request.h"

std::string BuildGetRequest(const std::string& target, bool http11, const std::string& host,
                            const std::string& extraHeaders) {
    std::string request = "GET " + target + (http11 ? " HTTP/1.1\r\n" : " HTTP/1.0\r\n");
    if (http11 && !host.empty()) request += "HOST: " + host + "\r\n";
    return request + extraHeaders + "Connection: close\r\n\r\n";
}
