#!/bin/sh
# Runs a command on the X display it is given, or on a private Xvfb display when there is none.
#
# Every program of one Wine session must see one display: Wine's desktop process belongs to the
# session, and once a program without a display has started it, no later program of the session
# can make a window, whatever display it has. So the test command runs all the Windows unit tests
# on one display, and this gives the window-making tests one of their own only when they are run
# by hand without any.
if [ -n "${DISPLAY:-}" ]; then exec "$@"; fi
exec xvfb-run --auto-servernum "$@"
