#include "views/html_page.h"

#include "base/line_file.h"
#include "store/local_files.h"

namespace {

// The browser reads the comment and places the page in the zone of the address it names.
constexpr char INTERNET_ZONE_MARK[] = "<!-- saved from url=(0014)about:internet -->\n";

constexpr char PAGE_HEAD[] =
    "<html><head>"
    "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">"
    "<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">"
    "<link rel=\"stylesheet\" type=\"text/css\" href=\"qz.css\">"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift-JIS\" /></head>"
    "<body style=\"font-size: 9pt; color: white; background-image: url(../system/htmlbg.png); "
    "background-repeat: repeat; line-height: 160%; ";
constexpr char VIDEO_MARGINS[] = "margin: 0px; overflow-x: hidden; overflow-y: hidden; ";
constexpr char TEXT_MARGINS[] = "margin: 4px; ";
constexpr char PAGE_TAIL[] = "</body></html>";

std::string WithCrLf(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

}  // namespace

std::string BuildHtmlPage(const std::string& body) {
    bool videoPlayer = body.find("youtube") != std::string::npos;
    std::string page = INTERNET_ZONE_MARK;
    page += PAGE_HEAD;
    page += videoPlayer ? VIDEO_MARGINS : TEXT_MARGINS;
    page += "\">";
    page += body;
    page += PAGE_TAIL;
    return page;
}

bool WriteHtmlPage(const std::string& page) {
    return WriteFileAtomically(PageFilePath(), WithCrLf(page));
}
