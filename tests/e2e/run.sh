#!/usr/bin/env bash
# End-to-end tests of Pelimor.exe under Wine + Xvfb. Argument: the windows build folder.
# Expects the Wine environment of tools/lib/setup.sh (use_wine). Ends with "N passed, N failed".
set -u
cd "$(dirname "$0")/../.."
exec python3 tests/e2e/e2e.py "${1:-build/windows}"
