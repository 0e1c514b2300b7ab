// Reads the panel's mailbox as MetaTrader's expert advisor sees it: the panel's window by its
// title, the titled static of chain 1 under it, then the user data of three levels of children.
#pragma once

#include "ea/mailbox_values.h"

// panelFound is false when no panel window, or not its whole chain, was found.
MailboxValues ReadPanelMailbox();
