#include "ea/mailbox_values.h"

std::optional<Announcement> DueAnnouncement(const MailboxValues& mailbox, int64_t now,
                                            int64_t graceSeconds) {
    if (!mailbox.panelFound || mailbox.mask == 0) return std::nullopt;
    if (mailbox.direction < 0 || mailbox.direction > 2) return std::nullopt;
    const int64_t time = static_cast<uint32_t>(mailbox.time);
    if (time == 0 || time < now - graceSeconds || time > now + MAILBOX_HORIZON_SECONDS) {
        return std::nullopt;
    }
    const TradeSides sides = mailbox.direction == 1   ? TradeSides::BuyOnly
                             : mailbox.direction == 2 ? TradeSides::SellOnly
                                                      : TradeSides::Both;
    return Announcement{time, static_cast<uint32_t>(mailbox.mask), sides};
}
