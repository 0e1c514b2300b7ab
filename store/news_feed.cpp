#include "store/news_feed.h"

#include <algorithm>
#include <string>

#include "base/byte_text.h"
#include "base/field_codec.h"

namespace {
constexpr std::string_view FIELD_SEPARATOR = "<<>>";
constexpr std::string_view ADVERT_MARKER = "XCF";
constexpr int FIELD_COUNT = 5;

// A 0x07 kept in a text would split it into two fields when the store is read back. Texts
// almost never hold one: a quick search spares the erase.
std::string WithoutFieldSeparators(std::string_view field) {
    std::string text(field);
    if (field.find(FIELD_SEP) != std::string_view::npos) std::erase(text, FIELD_SEP);
    return text;
}

iaNews ParseItemLine(std::string_view line) {
    std::string_view rest = line;
    std::string_view fields[FIELD_COUNT];
    std::string_view field;  // keeps the previous text where a separator is missing
    for (std::string_view& next : fields) {
        SplitFirst(rest, field, FIELD_SEPARATOR);
        next = field;
    }
    iaNews item;
    item.id = ReadDecimal(fields[0]);
    item.title = WithoutFieldSeparators(fields[1]);
    item.body = WithoutFieldSeparators(fields[2]);
    item.when = ReadDecimal(fields[4]);
    if (item.body.ends_with(ADVERT_MARKER)) {
        item.body.erase(item.body.size() - ADVERT_MARKER.size());
        item.advert = true;
        item.unread = false;
        item.announced = true;
    }
    return item;
}

std::string LineSafeText(std::string_view text) {
    std::string safe(text);
    for (char& c : safe)
        if (c == '\r' || c == '\n' || c == '\0' || c == FIELD_SEP) c = ' ';
    // A separator inside a text would end its field early; "<< >>" reads the same to a person.
    for (size_t at = safe.find(FIELD_SEPARATOR); at != std::string::npos;
         at = safe.find(FIELD_SEPARATOR, at))
        safe.insert(at + 2, 1, ' ');
    return safe;
}
}  // namespace

std::vector<iaNews> ParseNewsFeed(std::string_view feed) {
    feed = feed.substr(0, feed.find('\0'));
    std::vector<iaNews> items;
    size_t start = feed.find('\n');  // the header line is not an item
    if (start == std::string_view::npos) return items;
    items.reserve(static_cast<size_t>(std::count(feed.begin() + start, feed.end(), '\n')));
    for (++start;;) {
        const size_t end = feed.find('\n', start);
        if (end == std::string_view::npos || end == start) break;
        items.push_back(ParseItemLine(feed.substr(start, end - start)));
        start = end + 1;
    }
    return items;
}

std::string NewsFeedHeaderLine(std::string_view feedName, size_t itemCount, int64_t writtenAt) {
    return FormatText("%s,%zu,%lld\n", LineSafeText(feedName).c_str(), itemCount,
                      static_cast<long long>(writtenAt));
}

std::string NewsFeedItemLine(const iaNews& item) {
    std::string body = LineSafeText(item.body);
    if (item.advert)
        body += ADVERT_MARKER;
    else if (body.ends_with(ADVERT_MARKER))
        body += ' ';
    const std::string fields[FIELD_COUNT] = {std::to_string(item.id), LineSafeText(item.title),
                                             body, "0", std::to_string(item.when)};
    std::string line;
    for (const std::string& field : fields) {
        line += field;
        line += FIELD_SEPARATOR;
    }
    line += '\n';
    return line;
}
