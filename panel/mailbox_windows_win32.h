// The expert advisor's mailbox: under each of the panel's hidden statics "__QZ__UDWND1" to
// "__QZ__UDWND3" hangs a chain of three hidden windows whose user data carry one value each.
#pragma once

#include <windows.h>

#include "metatrader/mailbox_writer.h"

class MailboxWindows : public EaMailbox {
public:
    MailboxWindows() = default;
    MailboxWindows(const MailboxWindows&) = delete;
    MailboxWindows& operator=(const MailboxWindows&) = delete;

    // Titles the three statics of the panel (ids firstRootId, +1, +2) and builds the chains under
    // them, all values 0. The chains are children of the panel's statics and go with the panel.
    void Create(HWND panel, int firstRootId);
    void SetValue(int chain, int level, int32_t value) override;

private:
    HWND levels_[CHAINS][LEVELS] = {};
};
