#!/usr/bin/env bash
# Builds Pelimor.exe and pelimor-publish, publishes the sample sources of tools/sample_sources
# (dated around now) into the data server's files, serves them on 127.0.0.1 with python3's HTTP
# server and starts the panel under Wine.
#
# On a desktop (DISPLAY set) the panel appears there; without one it runs on a private Xvfb
# display and a screenshot is written to build/run/panel.png. Installs what it needs with
# apt-get (run as root on Debian). Safe to re-run. Stop with Ctrl+C.
#
# --offer-update: the sample server also offers a release one number newer than the program
# (built by tools/release.sh and signed with the test key), so the update can be watched.
set -u
cd "$(dirname "$0")/.."
source tools/lib/setup.sh

PORT=${PELIMOR_SAMPLE_PORT:-18080}
RUN=build/run
OFFER_UPDATE=
case "${1:-}" in
  --offer-update) OFFER_UPDATE=1 ;;
  "") ;;
  *) echo "usage: bash tools/run.sh [--offer-update]" >&2; exit 2 ;;
esac
install_packages
mkdir -p build/logs "$RUN"
cmake --preset windows >build/logs/run-configure.log 2>&1 &&
  cmake --build build/windows -j "$(nproc)" >build/logs/run-build.log 2>&1 &&
  cmake --preset native >>build/logs/run-configure.log 2>&1 &&
  cmake --build build/native --target pelimor-publish -j "$(nproc)" >>build/logs/run-build.log 2>&1 ||
  { tail -n 40 build/logs/run-build.log build/logs/run-configure.log; exit 1; }
# The program folder keeps its setting/ folder (the user's data) across runs.
cmake --install build/windows --prefix "$RUN/program" >/dev/null
if [ -n "$OFFER_UPDATE" ]; then
  OWN_VERSION=$(sed -n 's/^PELIMOR_PROGRAM_VERSION:STRING=//p' build/windows/CMakeCache.txt)
  rm -rf "$RUN/offer"
  bash tools/release.sh --version $((OWN_VERSION + 1)) --key tools/keys/test-only-update-key.pem \
    --out "$RUN/offer" --demo || exit 1
fi
use_wine

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wineserver -k 2>/dev/null
}
trap cleanup EXIT INT TERM

# The sample sources, dated around now, published as the data server's files.
SOURCES=tools/sample_sources
python3 "$SOURCES/make_sources.py" "$RUN/sources" &&
  build/native/pelimor-publish --out "$RUN/server/sv_pelimor/websys" \
    --calendar "$RUN/sources/calendar.ics" --calendar "$RUN/sources/calendar.csv" \
    --news "$RUN/sources/news.rss" --news "$RUN/sources/news.atom" \
    --notices "$SOURCES/notices" --signals "$RUN/sources/signals.csv" \
    --traders "$SOURCES/traders.csv" --messages "$RUN/sources/messages.csv" ||
  exit 1
python3 -m http.server "$PORT" --bind 127.0.0.1 --directory "$RUN/server" >build/logs/run-server.log 2>&1 &
pids+=($!)
export PELIMOR_BASE_URL="http://127.0.0.1:$PORT/sv_pelimor/websys/"
if [ -n "$OFFER_UPDATE" ]; then
  # Once the server answers, its sample files are written; the offer then replaces its
  # version file.
  until python3 -c "import urllib.request,sys; urllib.request.urlopen(sys.argv[1], timeout=2)" \
    "${PELIMOR_BASE_URL}prims/version.dat" 2>/dev/null; do sleep 1; done
  cp -r "$RUN/offer/prims/." "$RUN/server/sv_pelimor/websys/prims/"
  echo "Offered update: release $((OWN_VERSION + 1))"
fi

if [ -z "${DISPLAY:-}" ]; then
  # Nobody can answer the terms dialog on a private display: accept the terms for this demo
  # folder (a settings file with only its first line; the program completes it).
  if [ ! -f "$RUN/program/setting/iasetting.dat" ]; then
    mkdir -p "$RUN/program/setting"
    printf '00000000\a00000000\a0000001F\a00000000\a00000000\a00000000\a00000000\a00000000\a00000C1C\a00000000\a60000000\a00000000\a\r\n' \
      >"$RUN/program/setting/iasetting.dat"
  fi
  export DISPLAY=:91
  Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
  pids+=($!)
  sleep 2
  headless=1
fi

echo "Sample data server: $PELIMOR_BASE_URL"
echo "Program folder: $RUN/program"
wine "$RUN/program/Pelimor.exe" >build/logs/run-wine.log 2>&1 &
pids+=($!)
if [ -n "${headless:-}" ]; then
  sleep 15
  import -window root -display "$DISPLAY" "$RUN/panel.png" && echo "Screenshot: $RUN/panel.png"
  echo "No desktop here: the panel runs on the private display $DISPLAY. Ctrl+C ends it."
fi
wait "${pids[-1]}"
