// Shorter timings for the end-to-end tests, read from the environment at start by the panel and
// by the updater. Unset (as in real use) they change nothing.
//
//   PELIMOR_TEST_MINUTE_MS           the panel's one-minute tick, so that the periodic fetches
//                                    come round in seconds
//   PELIMOR_TEST_NETWORK_TIMEOUT_MS  the socket time-out and the system download's idle limit;
//                                    the overall deadline of a connection and of a system
//                                    download is four times as long
#pragma once

// The one-minute tick's period: normal, unless a test start shortens it.
unsigned MinuteTickMilliseconds(unsigned normal);

// Applies PELIMOR_TEST_NETWORK_TIMEOUT_MS to every download started afterwards.
void ApplyTestNetworkTimeout();
