# Shared set-up of the run and test commands: packages, the Japanese locale and the Wine prefix.
# Sourced with the project root as the current folder.

PELIMOR_PACKAGES=(
  cmake ninja-build g++ python3 git
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 wine32:i386 xvfb xauth x11-utils xdotool imagemagick
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation locales
  clang clang-format libclang-rt-14-dev
  pkg-config libical-dev libxml2-dev libcurl4-openssl-dev nlohmann-json3-dev tzdata
  openssl libssl-dev python3-cryptography zip
)

# Installs whatever of the packages is missing (apt-get, as root); quiet when nothing is. The
# 32-bit Wine (for the expert advisors' 32-bit library) needs Debian's i386 architecture first.
install_packages() {
  local missing=()
  local package
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  for package in "${PELIMOR_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Wine with code page 932 and Japan time: the ja_JP.UTF-8 locale is generated into a private
# folder, the prefix lives in build/wine.
use_wine() {
  export LOCPATH="$PWD/build/locale"
  export LANG=ja_JP.UTF-8
  export WINEPREFIX="$PWD/build/wine"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export TZ=JST-9
  if [ ! -d "$LOCPATH/ja_JP.UTF-8" ]; then
    mkdir -p "$LOCPATH"
    localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8" >/dev/null 2>&1 || true
  fi
  # A prefix made by another Wine installation fails (a 64-bit-only one lacks the 32-bit
  # kernel32.dll), so the prefix is made again whenever the installed Wine packages change.
  local wine_key
  wine_key="prefix 3; $(dpkg-query -W -f='${Package}:${Architecture} ${Version}; ' \
    wine wine64 wine32:i386 libwine:amd64 libwine:i386 2>/dev/null)"
  if [ "$(cat "$WINEPREFIX/.pelimor-ready" 2>/dev/null)" != "$wine_key" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # No later Wine start may update the prefix: an update links the shell folders to the home
    # folder again.
    echo disable >"$WINEPREFIX/.update-timestamp"
    # A crash must fail the test, not wait in winedbg's dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # GDI+ finds the Japanese faces the panel asks for under the IPA fonts.
    local face
    for face in "ＭＳ Ｐゴシック:IPAPGothic" "ＭＳ ゴシック:IPAGothic" "ＭＳ Ｐ明朝:IPAPMincho" \
                "ＭＳ 明朝:IPAMincho" "MS UI Gothic:IPAPGothic" "メイリオ:IPAPGothic" \
                "Meiryo:IPAPGothic" "MS Gothic:IPAGothic" "MS PGothic:IPAPGothic" \
                "Times New Roman:Liberation Serif" "Arial:Liberation Sans"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%:*}" /t REG_SZ \
        /d "${face##*:}" /f >/dev/null 2>&1
    done
    wineserver -w
    echo "$wine_key" >"$WINEPREFIX/.pelimor-ready"
  fi
  own_shell_folders
}

# Wine links Desktop, Documents and the other shell folders of its user to the home folder of
# whoever runs it; the test prefix keeps folders of its own, so no test writes a shortcut or a
# file into that home folder.
own_shell_folders() {
  local folder
  for folder in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$folder" ]; then
      rm -f "$folder"
      mkdir -p "$folder"
    fi
  done
}
