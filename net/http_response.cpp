#include "net/http_response.h"

namespace {
constexpr std::string_view HEADER_END = "\r\n\r\n";
constexpr std::string_view LINE_END = "\r\n";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCase) {
    if (text.size() != lowerCase.size()) return false;
    for (size_t at = 0; at < text.size(); ++at)
        if (LowerAscii(text[at]) != lowerCase[at]) return false;
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// "HTTP/1.x 200", then the end of the line or a reason phrase.
bool IsStatus200(std::string_view line) {
    constexpr std::string_view VERSION = "HTTP/1.";
    constexpr std::string_view CODE = " 200";
    if (line.size() < VERSION.size() + 1 + CODE.size()) return false;
    if (line.substr(0, VERSION.size()) != VERSION) return false;
    char minor = line[VERSION.size()];
    if (minor < '0' || minor > '9') return false;
    std::string_view rest = line.substr(VERSION.size() + 1);
    return rest.substr(0, CODE.size()) == CODE &&
           (rest.size() == CODE.size() || rest[CODE.size()] == ' ');
}

bool ReadLength(std::string_view text, size_t& length) {
    if (text.empty()) return false;
    length = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9') return false;
        length = length * 10 + static_cast<size_t>(digit - '0');
        if (length > MAX_RESPONSE_BYTES) return false;
    }
    return true;
}

// False when a header rules the answer out.
bool ReadFraming(std::string_view headerLines, bool& hasLength, size_t& framedLength) {
    while (!headerLines.empty()) {
        size_t end = headerLines.find(LINE_END);
        std::string_view line = headerLines.substr(0, end);
        headerLines = end == std::string_view::npos ? std::string_view()
                                                    : headerLines.substr(end + LINE_END.size());
        size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        std::string_view name = TrimBlanks(line.substr(0, colon));
        std::string_view value = TrimBlanks(line.substr(colon + 1));
        if (EqualsIgnoringCase(name, "transfer-encoding") && !EqualsIgnoringCase(value, "identity"))
            return false;
        if (EqualsIgnoringCase(name, "content-length")) {
            size_t length = 0;
            if (!ReadLength(value, length) || (hasLength && framedLength != length)) return false;
            hasLength = true;
            framedLength = length;
        }
    }
    return true;
}
}  // namespace

bool IsOkStatusLine(std::string_view response) {
    std::string_view status = response.substr(0, 15);
    return status == "HTTP/1.0 200 OK" || status == "HTTP/1.1 200 OK";
}

std::string ResponseBody(std::string_view fetched) {
    size_t headerEnd = fetched.find(HEADER_END);
    if (headerEnd == std::string_view::npos) return std::string(fetched);
    return std::string(fetched.substr(headerEnd + HEADER_END.size()));
}

void DownloadResponse::Add(std::string_view bytes) { received_.append(bytes); }

// True once the head's end is known. A search starts three bytes before the end of the last
// one, where an end split between two arrivals begins.
bool DownloadResponse::FindHeadEnd() {
    if (bodyStart_ != 0) return true;
    const size_t end = received_.find(HEADER_END, searchedTo_);
    if (end == std::string::npos) {
        const size_t tail = HEADER_END.size() - 1;
        searchedTo_ = received_.size() < tail ? 0 : received_.size() - tail;
        return false;
    }
    bodyStart_ = end + HEADER_END.size();
    framing_ = ReadHead(std::string_view(received_).substr(0, end));
    return true;
}

DownloadResponse::Framing DownloadResponse::ReadHead(std::string_view head) {
    Framing framing;
    const size_t statusEnd = head.find(LINE_END);
    if (!IsStatus200(head.substr(0, statusEnd))) return framing;
    framing.acceptable =
        statusEnd == std::string_view::npos ||
        ReadFraming(head.substr(statusEnd + LINE_END.size()), framing.hasLength, framing.length);
    return framing;
}

DownloadState DownloadResponse::Examine(bool closed, std::string& body) {
    if (!FindHeadEnd()) return closed ? DownloadState::Failed : DownloadState::Incomplete;
    if (!framing_.acceptable) return DownloadState::Failed;
    const std::string_view rest = std::string_view(received_).substr(bodyStart_);
    if (framing_.hasLength) {
        if (rest.size() < framing_.length)
            return closed ? DownloadState::Failed : DownloadState::Incomplete;
        body.assign(rest.substr(0, framing_.length));
        return DownloadState::Complete;
    }
    if (!closed) return DownloadState::Incomplete;
    body.assign(rest);
    return DownloadState::Complete;
}
