// The titles by which other programs find the panel's windows: the expert advisor reads its
// mailbox under them, and the end-to-end probe finds the panel and the mailbox the same way.
#pragma once

// The panel dialog's (hidden) window title.
inline constexpr char PANEL_WINDOW_TITLE[] = "__QZ__PELIMOR";

// The title of the panel's static that roots mailbox chain 1, 2 or 3 (a printf format taking
// the chain's number).
inline constexpr char MAILBOX_ROOT_TITLE_FORMAT[] = "__QZ__UDWND%d";
