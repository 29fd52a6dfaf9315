# Sourced by scripts/dev (and its test): the Debian packages a machine needs, installed so
# that a half-synced mirror costs a warning, not the run.
#
#   setup_packages    installs apt_packages and, where i386_ok=yes, i386_packages; when the
#                     i386 set cannot be installed it says so, takes back the i386
#                     architecture if it added it, and sets i386_ok=no, wine_arch=win64 and
#                     wine_reason, so the Wine suites run on the x86_64 tree
#
# Expects log and as_root from the caller, and i386_ok, wine_arch and
# wine_reason as choose_wine_arch leaves them. ULMO_APT_RETRIES (3) and ULMO_APT_RETRY_DELAY
# (5 s) tune the retries of `apt-get update`.

apt_packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  mingw-w64-tools
  wine wine64 xvfb xauth x11-utils imagemagick fonts-liberation fonts-wine
  libfftw3-dev zlib1g-dev libz-mingw-w64-dev nlohmann-json3-dev libinih-dev
  googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev llvm
  liblnk-utils
  libcairo2-dev librsvg2-bin poppler-utils libwmf-bin libxml2-utils
  cups printer-driver-cups-pdf
  ngspice
)
# Only where the kernel runs i386 programs: the 32-bit Wine, and the CUPS library through
# which it sees printers.
i386_packages=(wine32:i386 libcups2:i386)

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || printf '%s\n' "$p"
  done
}

# Debian's fftw3 source is needed for the Windows cross builds; bookworm ships deb822 sources
# without deb-src, so add a twin of each entry.
enable_deb_src() {
  local src=/etc/apt/sources.list.d/debian.sources twin=/etc/apt/sources.list.d/ulmo-deb-src.sources
  grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && return 1
  grep -qs '^deb-src' /etc/apt/sources.list && return 1
  if [ -f "$src" ]; then
    sed 's/^Types: deb$/Types: deb-src/' "$src" | as_root tee "$twin" >/dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | as_root tee /etc/apt/sources.list.d/ulmo-deb-src.list >/dev/null
  fi
  return 0
}

# A mirror caught mid-sync fails one index or another for a while; after the retries the
# indexes that did arrive are used, and what they lack shows up as an install failure.
apt_update() {
  local tries=${ULMO_APT_RETRIES:-3} n
  for ((n = 1; n <= tries; n++)); do
    as_root apt-get update -q && return 0
    if [ "$n" -lt "$tries" ]; then
      log "apt-get update failed (try $n of $tries); retrying in ${ULMO_APT_RETRY_DELAY:-5} s"
      sleep "${ULMO_APT_RETRY_DELAY:-5}"
    fi
  done
  log "apt-get update failed $tries times; going on with the package indexes it has"
  return 0
}

apt_install() {
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends "$@"
}

# The i386 set is optional: without it the x86_64 tree carries the Wine suites.
install_i386_packages() {
  local added=$1 need
  need=$(missing_packages "${i386_packages[@]}")
  [ -z "$need" ] && return 0
  # shellcheck disable=SC2086
  apt_install $need && return 0
  if [ "$added" -eq 1 ]; then
    as_root dpkg --remove-architecture i386 || log "could not remove the i386 architecture again"
    apt_update
  fi
  if [ "${ULMO_WINE_ARCH:-}" = win32 ]; then
    log "the i386 packages ($(echo $need)) cannot be installed, and ULMO_WINE_ARCH=win32 needs them"
    return 1
  fi
  log "the i386 packages ($(echo $need)) cannot be installed from this mirror: the Wine suites run on build/win64"
  i386_ok=no
  wine_arch=win64
  wine_reason="the i386 packages could not be installed (IA-32 emulation on, mirror lacking)"
  return 0
}

setup_packages() {
  local need updated=0 added_i386=0
  if [ "$i386_ok" = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    updated=1 added_i386=1
  fi
  enable_deb_src && updated=1
  need=$(missing_packages "${apt_packages[@]}")
  if [ "$i386_ok" = yes ] && [ -n "$(missing_packages "${i386_packages[@]}")" ]; then
    updated=1
  fi
  [ -z "$need" ] && [ "$updated" -eq 0 ] && return 0
  [ -n "$need" ] && log "installing: $(echo $need)"
  apt_update
  # shellcheck disable=SC2086
  if [ -n "$need" ]; then apt_install $need; fi
  if [ "$i386_ok" = yes ]; then install_i386_packages "$added_i386" || return 1; fi
  return 0
}
