#!/usr/bin/env bash
# Prints the user manual docs/manual/manual.html to resources/program/manual.pdf, which the
# install step puts beside Pelimor.exe for the help command.
#
#   tools/make_manual.sh            (installs chromium and the IPA fonts with apt-get when missing)
#
# Headless Chromium lays the pages out with the IPA Gothic fonts named by manual.css. It runs with
# a fresh profile and every background service off, so nothing outside the manual's own folder
# is read and no network is touched. Chromium stamps the PDF with the time of printing; those
# stamps are set to a fixed time (same length, so the cross-reference offsets stay right), which
# makes a re-run with the same Chromium and fonts produce the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."

SOURCE=docs/manual/manual.html
OUT=resources/program/manual.pdf
FIXED_STAMP="D:20130831000000+00'00'"

need_tools() {
  local missing=()
  command -v chromium >/dev/null || missing+=(chromium)
  fc-list | grep -q "IPAPGothic" || missing+=(fonts-ipafont-gothic)
  command -v python3 >/dev/null || missing+=(python3)
  [ ${#missing[@]} -eq 0 ] && return
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

print_pdf() {
  local profile
  profile=$(mktemp -d)
  trap 'rm -rf "$profile"' RETURN
  chromium --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --disable-extensions --no-default-browser-check --user-data-dir="$profile" \
    --no-pdf-header-footer --print-to-pdf="$1" "file://$PWD/$SOURCE" 2>/dev/null
}

# fix_stamps PDF: every "/CreationDate (...)" and "/ModDate (...)" gets FIXED_STAMP.
fix_stamps() {
  python3 - "$1" "$FIXED_STAMP" <<'PY'
import re, sys
path, stamp = sys.argv[1], sys.argv[2].encode()
data = open(path, "rb").read()
def fixed(match):
    old = match.group(2)
    if len(old) != len(stamp):
        sys.exit(f"unexpected date stamp {old!r}")
    return match.group(1) + stamp + b")"
data = re.sub(rb"(/(?:CreationDate|ModDate) \()([^)]*)\)", fixed, data)
open(path, "wb").write(data)
PY
}

need_tools
mkdir -p "$(dirname "$OUT")"
print_pdf "$OUT"
fix_stamps "$OUT"
echo "$OUT: $(stat -c %s "$OUT") bytes"
