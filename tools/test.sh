#!/usr/bin/env bash
# Runs every test of Pelimor and ends with one line "N passed, N failed".
#
#   the layer check of the includes, the check that the end-to-end cases drive commands and
#   controls by name, the C++ formatting (clang-format), native unit tests (g++), the publisher's
#   Debian package unpacked and its installed program run, the unit tests under
#   AddressSanitizer + UndefinedBehaviorSanitizer, Pelimor.exe and the updater built with
#   mingw-w64 (warnings are errors), every shipped binary importing no MinGW runtime DLL, qzea.dll
#   32-bit and exporting what the expert advisors' MQL4 sources import (which compile as C++), the
#   libFuzzer targets for a fixed number of runs, the unit
#   tests cross-built with mingw-w64 and run under Wine, and the end-to-end tests of Pelimor.exe
#   under Wine + Xvfb.
#
# Installs what it needs with apt-get (run as root on Debian). Safe to re-run.
set -u
cd "$(dirname "$0")/.."
source tools/lib/setup.sh

FUZZ_RUNS=${FUZZ_RUNS:-5000}
JOBS=${JOBS:-$(nproc)}
passed=0
failed=0
skipped=0
failures=()

count() {  # count STAGE PASSED FAILED
  passed=$((passed + $2))
  failed=$((failed + $3))
  [ "$3" -gt 0 ] && failures+=("$1")
  echo "== $1: $2 passed, $3 failed"
}

build() {  # build PRESET [TARGET...]: configure and build, output in build/logs
  local preset=$1; shift
  local log="build/logs/$preset.log"
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  { cmake --preset "$preset" -DPELIMOR_WERROR=ON &&
    cmake --build "build/$preset" -j "$JOBS" "${targets[@]}"; } >"$log" 2>&1 && return 0
  tail -n 40 "$log"
  return 1
}

unit_tests() {  # unit_tests PRESET: build and run the GoogleTest programs of a preset
  local preset=$1
  if ! build "$preset"; then count "$preset build" 0 1; return; fi
  rm -rf "build/$preset/test-results"
  # Under Wine every test of the run shares one session, so all of them share one X display
  # (tests/framework/with_display.sh says why); the session ends with the stage.
  local runner=()
  if [ "$preset" = windows-tests ]; then
    wineserver -k >/dev/null 2>&1 || true
    runner=(xvfb-run --auto-servernum)
  fi
  (cd "build/$preset" && "${runner[@]}" ctest -j "$JOBS" --output-on-failure \
    --output-junit ctest-junit.xml) >"build/logs/$preset-ctest.log" 2>&1 ||
    tail -n 60 "build/logs/$preset-ctest.log"
  [ "$preset" = windows-tests ] && { wineserver -k >/dev/null 2>&1 || true; }
  read -r good bad left < <(python3 tools/lib/count_results.py \
    "build/$preset/ctest-junit.xml" "build/$preset/test-results")
  skipped=$((skipped + left))
  count "$preset unit tests" "$good" "$bad"
}

fuzz_targets() {
  if ! build fuzz; then count "fuzz build" 0 1; return; fi
  local target good=0 bad=0
  for target in build/fuzz/tests/*_fuzz; do
    [ -x "$target" ] || continue
    # A target with a dictionary of its own (NAME.dict beside its source) runs with it, on inputs
    # up to 256 KiB: its dictionary holds the words of its format and the long runs that its
    # input once paid for per byte.
    local options=() dict
    dict=$(find tests -name "$(basename "$target").dict" | head -n 1)
    [ -n "$dict" ] && options=(-dict="$dict" -max_len=262144)
    if "$target" -runs="$FUZZ_RUNS" "${options[@]}" >"build/logs/$(basename "$target").log" 2>&1; then
      good=$((good + 1))
    else
      bad=$((bad + 1)); tail -n 30 "build/logs/$(basename "$target").log"
    fi
  done
  count "fuzz targets ($FUZZ_RUNS runs each)" "$good" "$bad"
}

source_check() {  # source_check NAME CHECK CASES_NAME CHECK_CASES: a check of the sources
  local log
  log="build/logs/$(basename "$2" .py)"
  if python3 "$2" >"$log.log" 2>&1; then count "$1" 1 0
  else cat "$log.log"; count "$1" 0 1; fi
  # The check's own cases, on made-up input, so that it cannot pass by finding nothing.
  local cases
  cases=$(python3 "$4" 2>&1 | tee "$log-test.log" | sed -n 's/^Ran \([0-9]*\) tests.*/\1/p')
  if grep -q '^OK' "$log-test.log"; then count "$3" "${cases:-0}" 0
  else tail -n 30 "$log-test.log"; count "$3" 0 1; fi
}

layers() {
  source_check "layers (every include points down, no cycle)" tools/check_layers.py \
    "layer check cases" tools/check_layers_test.py
  source_check "end-to-end ids (the cases name the commands and controls they drive)" \
    tools/check_e2e_ids.py "end-to-end id check cases" tools/check_e2e_ids_test.py
  source_check "MQL4 sources (compile as C++ against MQL4's declarations, imports match qzea.dll)" \
    tools/check_mql4_sources.py "MQL4 source check cases" tools/check_mql4_sources_test.py
  # A release never ships the placeholders as expert advisors (refused before any build).
  local cases
  cases=$(python3 tools/release_test.py 2>&1 | tee build/logs/release-test.log |
    sed -n 's/^Ran \([0-9]*\) tests.*/\1/p')
  if grep -q '^OK' build/logs/release-test.log; then
    count "release refusals without compiled expert advisors" "${cases:-0}" 0
  else
    tail -n 30 build/logs/release-test.log; count "release refusals without compiled expert advisors" 0 1
  fi
}

windows_program() {
  if ! build windows; then count "Pelimor.exe (mingw-w64, -Werror)" 0 1; return; fi
  count "Pelimor.exe (mingw-w64, -Werror)" 1 0
  # Every shipped binary is self-contained: the MinGW runtime is linked in, never a DLL beside it.
  local folder=build/windows-shipped binary imports bad=0 checked=0
  rm -rf "$folder"
  if ! cmake --install build/windows --prefix "$folder" >build/logs/windows-install.log 2>&1; then
    tail -n 20 build/logs/windows-install.log; count "shipped binaries import no MinGW runtime DLL" 0 1
    return
  fi
  : >build/logs/shipped-imports.log
  while IFS= read -r binary; do
    # Only Windows binaries ("MZ"): the .ex4 placeholders carry the names but no code.
    [ "$(head -c 2 "$binary")" = MZ ] || continue
    imports=$(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p')
    printf '%s:\n%s\n' "${binary#"$folder"/}" "$imports" >>build/logs/shipped-imports.log
    checked=$((checked + 1))
    if [ -z "$imports" ] || grep -qiE '^(libwinpthread|libstdc\+\+|libgcc)' <<<"$imports"; then
      bad=$((bad + 1)); echo "${binary#"$folder"/} imports a MinGW runtime DLL (or none could be read)"
    fi
  done < <(find "$folder" -type f \( -iname '*.exe' -o -iname '*.dll' \) | sort)
  if [ -f "$folder/Pelimor.exe" ] && [ -f "$folder/system/pelimorupdater.exe" ] &&
     [ -f "$folder/qzea.dll" ] && [ "$bad" -eq 0 ]; then
    count "$checked shipped binaries import no MinGW runtime DLL" 1 0
  else
    cat build/logs/shipped-imports.log; count "shipped binaries import no MinGW runtime DLL" 0 1
  fi
  # The terminal loads only a 32-bit library, and finds each function by its plain name.
  if python3 tools/check_mql4_sources.py --dll "$folder/qzea.dll" >build/logs/qzea-exports.log 2>&1
  then count "qzea.dll is 32-bit and exports what the MQL4 sources import" 1 0
  else cat build/logs/qzea-exports.log; count "qzea.dll is 32-bit and exports what the MQL4 sources import" 0 1
  fi
}

# Every C++ file is as clang-format (.clang-format) would write it. The style is first tried on a
# line it must reformat, so a missing clang-format or an unreadable style fails the stage rather
# than finding nothing.
formatting() {
  local name="C++ formatting (clang-format)" unformatted
  if printf 'int   x ;\n' | clang-format --dry-run --Werror --assume-filename=base/probe.cpp \
       >/dev/null 2>&1 || ! printf 'int x;\n' | clang-format --dry-run --Werror \
       --assume-filename=base/probe.cpp >/dev/null 2>&1; then
    echo "clang-format does not run with .clang-format"; count "$name" 0 1; return
  fi
  # One run over every file: it fails when any file would change, and names those files.
  local report
  if report=$(git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror 2>&1); then
    unformatted=()
  else
    mapfile -t unformatted < <(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error:.*/\1/p' <<<"$report" | sort -u)
    [ ${#unformatted[@]} -gt 0 ] || unformatted=("(clang-format failed: ${report:0:200})")
  fi
  if [ ${#unformatted[@]} -eq 0 ]; then
    count "$name" 1 0
  else
    echo "Not formatted (run: clang-format -i FILE):"; printf '%s\n' "${unformatted[@]}"
    count "$name" 0 1
  fi
}

# The publisher's Debian package (CPack), unpacked into a throw-away root and checked: control
# data, files, systemd units, and the installed program run with the installed configuration.
publisher_package() {
  local name="publisher package" output
  if ! cmake --build build/native --target package >build/logs/package.log 2>&1; then
    tail -n 20 build/logs/package.log; count "$name build" 0 1; return
  fi
  output=$(python3 tests/publish/package/check_package.py build/native 2>&1 |
    tee build/logs/package-check.log | tail -n 1)
  if [[ "$output" =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed ]]; then
    grep '^FAIL' build/logs/package-check.log
    count "$name" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
  else
    tail -n 20 build/logs/package-check.log; count "$name" 0 1
  fi
}

end_to_end() {
  [ -x tests/e2e/run.sh ] || return 0
  local output
  output=$(tests/e2e/run.sh build/windows 2>&1 | tee build/logs/e2e.log | tail -n 1)
  if [[ "$output" =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed ]]; then
    # The failed cases by name, near the end, where a short view of the output still shows them.
    grep '^FAIL' build/logs/e2e.log
    count "end-to-end (Wine)" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
  else
    tail -n 40 build/logs/e2e.log; count "end-to-end (Wine)" 0 1
  fi
}

install_packages || { echo "0 passed, 1 failed"; exit 1; }
mkdir -p build/logs
layers
formatting
unit_tests native
publisher_package
unit_tests sanitize
windows_program
# Before the Wine environment: its private locale folder (LOCPATH) makes glibc's locale loading
# keep allocations that the fuzzers' leak check would report against the code under test.
fuzz_targets
use_wine
unit_tests windows-tests
end_to_end
wineserver -k >/dev/null 2>&1 || true

[ ${#failures[@]} -gt 0 ] && echo "Failed: ${failures[*]}"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
