#include "store/news_file.h"

#include "base/field_codec.h"

namespace {
constexpr uint32_t kUnreadFlag = 1;
constexpr uint32_t kAnnouncedFlag = 2;
constexpr uint32_t kAdvertFlag = 4;
}  // namespace

std::string NewsFileLine(const iaNews& item) {
    const uint32_t flags = (item.unread ? kUnreadFlag : 0) | (item.announced ? kAnnouncedFlag : 0) |
                           (item.advert ? kAdvertFlag : 0);
    std::string line;
    AppendHexField(line, static_cast<uint32_t>(item.id));
    AppendHexField(line, static_cast<uint32_t>(item.when));
    AppendTextField(line, item.title);
    AppendTextField(line, item.body);
    AppendHexField(line, flags);
    return line;
}

iaNews ParseNewsFileLine(std::string line) {
    iaNews item;
    item.id = TakeHexField(line);
    item.when = static_cast<uint32_t>(TakeHexField(line));
    item.title = TakeTextField(line);
    item.body = TakeTextField(line);
    const uint32_t flags = static_cast<uint32_t>(TakeHexField(line));
    item.unread = (flags & kUnreadFlag) != 0;
    item.announced = (flags & kAnnouncedFlag) != 0;
    item.advert = (flags & kAdvertFlag) != 0;
    return item;
}
