// The three numbers the panel publishes for the auto-trade expert advisor, read as the advisor
// must: the time as the low 32 bits of seconds since 1970, unsigned, so that it holds until 2106.
#pragma once

#include <cstdint>
#include <optional>

struct MailboxValues {
    bool panelFound = false;  // false when no panel runs: then nothing is due
    int32_t time = 0;
    int32_t mask = 0;       // bit i: symbol i of the symbol table
    int32_t direction = 0;  // 0 both, 1 buy only, 2 sell only
};

enum class TradeSides { Both, BuyOnly, SellOnly };

struct Announcement {
    int64_t time = 0;
    uint32_t mask = 0;
    TradeSides sides = TradeSides::Both;
};

inline constexpr int64_t MAILBOX_HORIZON_SECONDS = 7 * 24 * 3600;

// The announcement the mailbox names, when one is due: a panel was found, the values are not all
// zero, some symbol is selected, the direction is known, and the time lies from graceSeconds ago
// to seven days ahead of now.
std::optional<Announcement> DueAnnouncement(const MailboxValues& mailbox, int64_t now,
                                            int64_t graceSeconds);
