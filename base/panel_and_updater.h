// How the panel and the updater, two programs, know of each other while they run.
#pragma once

// The panel's single-instance mutex: it exists exactly while a panel runs, so the updater waits
// until it is gone before it replaces the panel's files.
inline constexpr char PANEL_INSTANCE_LOCK_NAME[] = "IAQZ___MUTEX";

// The whole command line the updater starts the panel with after an update.
inline constexpr char STARTED_BY_UPDATER[] = "byupdater";
