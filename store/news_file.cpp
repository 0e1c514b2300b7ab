#include "store/news_file.h"

#include "base/field_codec.h"

namespace {
constexpr uint32_t UNREAD_FLAG = 1;
constexpr uint32_t ANNOUNCED_FLAG = 2;
constexpr uint32_t ADVERT_FLAG = 4;
}  // namespace

void AppendNewsFileLine(std::string& text, const iaNews& item) {
    const uint32_t flags = (item.unread ? UNREAD_FLAG : 0) | (item.announced ? ANNOUNCED_FLAG : 0) |
                           (item.advert ? ADVERT_FLAG : 0);
    AppendHexField(text, static_cast<uint32_t>(item.id));
    AppendHexField(text, static_cast<uint32_t>(item.when));
    AppendTextField(text, item.title);
    AppendTextField(text, item.body);
    AppendHexField(text, flags);
}

iaNews ParseNewsFileLine(std::string_view line) {
    iaNews item;
    item.id = TakeHexField(line);
    item.when = static_cast<uint32_t>(TakeHexField(line));
    item.title = TakeTextField(line);
    item.body = TakeTextField(line);
    const uint32_t flags = static_cast<uint32_t>(TakeHexField(line));
    item.unread = (flags & UNREAD_FLAG) != 0;
    item.announced = (flags & ANNOUNCED_FLAG) != 0;
    item.advert = (flags & ADVERT_FLAG) != 0;
    return item;
}
