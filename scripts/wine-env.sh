# Sourced by scripts/dev and the test scripts: the Wine of one Windows architecture.
#
#   ulmo_wine_env ARCH PREFIX   exports WINE (the loader to run programs with), WINESERVER,
#                               WINELOADER, WINEARCH, WINEPREFIX and the quiet defaults
#
# The loaders are called by their own paths: Debian's /usr/bin/wine prefers the 32-bit loader
# whenever wine32 is installed, and a link to the 64-bit loader under another name cannot find
# its libraries. WINELOADER makes programs that start programs use the same loader.
# winemenubuilder is off so that no prefix writes launchers or menu entries into $HOME.

ulmo_wine_env() {
  local arch=$1 prefix=$2
  case $arch in
    win32) WINE=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32 ;;
    win64) WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 ;;
    *) echo "wine-env: unknown Windows architecture '$arch'" >&2; return 2 ;;
  esac
  export WINE WINESERVER WINELOADER=$WINE WINEARCH=$arch WINEPREFIX=$prefix WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# The user's shell folders of a fresh prefix (Desktop, Documents, ...) are links to the Unix
# home; they become folders of the prefix, and the prefix is never updated automatically
# (an update would make the links again).
ulmo_wine_sandbox() {
  local prefix=$1 link
  for link in "$prefix"/drive_c/users/*/*; do
    if [ -L "$link" ]; then rm -f "$link" && mkdir -p "$link"; fi
  done
  echo disable >"$prefix/.update-timestamp"
}
