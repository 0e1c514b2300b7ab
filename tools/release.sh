#!/usr/bin/env bash
# Builds a release of Pelimor and its update for the data server:
#
#   bash tools/release.sh --version N --key KEY.pem --out DIR (--ea-binaries EX4DIR | --demo)
#
# N is the release number (3101 is shown as 3.101); KEY.pem the publisher's ECDSA P-256 private
# key, whose public half is built into the updater; DIR the folder served as the base URL
# (".../sv_pelimor/websys/"). EX4DIR holds the expert advisors compiled in MetaEditor (QZEA.ex4,
# QZEA_TT.ex4, QZGI.ex4), shipped with the qzea.dll the build makes; without it the release is
# refused, unless --demo asks for a demonstration, which ships the development placeholders.
# Writes dist/Pelimor-N.zip (dist/Pelimor-N-demo.zip with --demo: the program folder as a user
# unpacks it) and, below DIR, prims/version.dat, prims/update/N/manifest.txt, manifest.sig and
# files/.
#
# The repository's test key is refused: its private half is public, so anybody could sign an
# update that such a build installs. --demo allows it, for a demonstration release only.
set -eu
cd "$(dirname "$0")/.."
source tools/lib/setup.sh

usage() {
  echo "usage: bash tools/release.sh --version N --key KEY.pem --out DIR (--ea-binaries DIR | --demo)" >&2
  exit 2
}
VERSION="" KEY="" OUT="" EA_BINARIES="" DEMO=""
while [ $# -gt 0 ]; do
  case "$1" in
    --version) VERSION=${2:-}; shift 2 ;;
    --key) KEY=${2:-}; shift 2 ;;
    --out) OUT=${2:-}; shift 2 ;;
    --ea-binaries) EA_BINARIES=${2:-}; shift 2 ;;
    --demo) DEMO=1; shift ;;
    *) usage ;;
  esac
done
[[ "$VERSION" =~ ^[1-9][0-9]*$ ]] && [ -f "$KEY" ] && [ -n "$OUT" ] || usage

# A release carries compiled expert advisors, never the placeholders, unless it is a
# demonstration and says so in its name.
EA_FILES=(QZEA.ex4 QZEA_TT.ex4 QZGI.ex4)
if [ -z "$DEMO" ]; then
  missing=()
  for name in "${EA_FILES[@]}"; do
    if [ -z "$EA_BINARIES" ] || [ ! -s "$EA_BINARIES/$name" ]; then missing+=("$name")
    elif head -c 64 "$EA_BINARIES/$name" | grep -q "Pelimor placeholder"; then missing+=("$name")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "release.sh: no compiled expert advisors: ${missing[*]} missing${EA_BINARIES:+ in $EA_BINARIES}." >&2
    echo "Compile ea/mql4/*.mq4 in MetaEditor and give their folder with --ea-binaries DIR," >&2
    echo "or make a demonstration release with the placeholders with --demo." >&2
    exit 1
  fi
  EA_BINARIES=$(cd "$EA_BINARIES" && pwd)
elif [ -n "$EA_BINARIES" ]; then
  echo "release.sh: --demo ships the placeholders; leave out --ea-binaries" >&2
  exit 2
fi

install_packages
TEST_PUBLIC_KEY=tools/keys/test-only-update-key.pub.pem
if [ -z "$DEMO" ] && [ "$(openssl pkey -in "$KEY" -pubout 2>/dev/null)" = "$(openssl pkey -pubin -in "$TEST_PUBLIC_KEY")" ]; then
  echo "release.sh: $KEY is the repository's test key ($TEST_PUBLIC_KEY), whose private half" \
    "anybody can read; sign releases with a key of your own, or pass --demo for a demonstration" >&2
  exit 1
fi
BUILD=build/release-$VERSION
PROGRAM=$BUILD/program
mkdir -p build/logs dist "$BUILD"
# The updater trusts the public half of the signing key, so both always belong together.
openssl pkey -in "$KEY" -pubout -out "$BUILD/update-key.pub.pem"
# A release leaves out the test-only crash on request that the windows preset builds in.
cmake --preset windows -B "$BUILD/windows" -DPELIMOR_WERROR=ON -DPELIMOR_PROGRAM_VERSION="$VERSION" \
  -DPELIMOR_TEST_CRASH=OFF -DPELIMOR_UPDATE_PUBLIC_KEY="$PWD/$BUILD/update-key.pub.pem" \
  -DPELIMOR_EA_BINARIES="$EA_BINARIES" >build/logs/release-configure.log 2>&1 &&
  cmake --build "$BUILD/windows" -j "$(nproc)" >build/logs/release-build.log 2>&1 ||
  { tail -n 40 build/logs/release-build.log build/logs/release-configure.log; exit 1; }
rm -rf "$PROGRAM"
cmake --install "$BUILD/windows" --prefix "$PROGRAM" >/dev/null
# The digests built into the program are those of exactly the files shipped beside it.
cmake -DLIBRARY="$PROGRAM/qzea.dll" -DEA="$PROGRAM/QZEA.ex4" -DEA_TT="$PROGRAM/QZEA_TT.ex4" \
  -DQZGI="$PROGRAM/QZGI.ex4" -DOUTPUT="$PWD/$BUILD/shipped_digests.h" -P cmake/EaReferenceDigests.cmake
cmp -s "$BUILD/shipped_digests.h" "$BUILD/windows/generated/ea_reference_digests.h" ||
  { echo "release.sh: the built-in digests are not those of the shipped expert-advisor files" >&2; exit 1; }

# The zip holds one folder, Pelimor, with every file dated alike so that the same build gives
# the same zip.
STAGE=$BUILD/zip
rm -rf "$STAGE" && mkdir -p "$STAGE" && cp -r "$PROGRAM" "$STAGE/Pelimor"
STAMP=$(git log -1 --format=%ct 2>/dev/null || date +%s)
find "$STAGE" -exec touch -h -d "@$STAMP" {} +
ZIP=$PWD/dist/Pelimor-$VERSION${DEMO:+-demo}.zip
rm -f "$ZIP"
(cd "$STAGE" && find Pelimor | LC_ALL=C sort | zip -q -X -D "$ZIP" -@)

python3 tools/lib/publish_update.py --program "$PROGRAM" --version "$VERSION" --key "$KEY" --out "$OUT"
echo "Release $VERSION: $ZIP"
echo "Update for the data server: $OUT/prims/version.dat, $OUT/prims/update/$VERSION/"
