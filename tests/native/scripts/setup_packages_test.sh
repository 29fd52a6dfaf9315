#!/usr/bin/env bash
# setup_packages against a fake machine: each case sets what the fakes do, runs it in a
# subshell and checks the calls it made, the architectures left and the Wine tree chosen.
#
#   setup_packages_test.sh SETUP_PACKAGES_SH WORK
set -uo pipefail
lib=$1 work=$2
rm -rf "$work"
mkdir -p "$work/bin"
failures=0

# The fakes keep the machine in files of $FAKE: installed (one package a line), archs (the
# foreign architectures), calls (every apt-get and dpkg call), update-failures (how many
# updates still fail) and i386-broken (present: every :i386 install fails).
cat >"$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE/calls"
case $1 in
  update)
    n=$(cat "$FAKE/update-failures" 2>/dev/null || echo 0)
    if [ "$n" -gt 0 ]; then echo $((n - 1)) >"$FAKE/update-failures"; exit 100; fi ;;
  install)
    shift
    for p in "$@"; do
      case $p in -*) continue ;; esac
      if [[ $p == *:i386 ]] && [ -e "$FAKE/i386-broken" ]; then
        echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100
      fi
    done
    for p in "$@"; do case $p in -*) ;; *) echo "$p" >>"$FAKE/installed" ;; esac; done ;;
esac
FAKE
cat >"$work/bin/dpkg" <<'FAKE'
#!/usr/bin/env bash
echo "dpkg $*" >>"$FAKE/calls"
touch "$FAKE/archs"
case $1 in
  --print-foreign-architectures) cat "$FAKE/archs" ;;
  --add-architecture) echo "$2" >>"$FAKE/archs" ;;
  --remove-architecture) grep -vx "$2" "$FAKE/archs" >"$FAKE/archs.new"; mv "$FAKE/archs.new" "$FAKE/archs" ;;
esac
FAKE
cat >"$work/bin/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
pkg=${!#}
grep -qx "$pkg" "$FAKE/installed" 2>/dev/null && echo "install ok installed"
exit 0
FAKE
chmod +x "$work/bin/"*

# run_case NAME I386_OK SETUP: a fresh fake machine, SETUP (shell text) shapes it, then
# setup_packages runs; leaves rc, calls, archs, wine_arch, i386_ok and the log in $FAKE.
run_case() {
  local name=$1 i386=$2 shape=$3
  export FAKE=$work/$name
  mkdir -p "$FAKE"
  : >"$FAKE/calls" >"$FAKE/archs" >"$FAKE/installed"
  eval "$shape"
  (
    PATH=$work/bin:$PATH
    export ULMO_APT_RETRY_DELAY=0
    log() { printf 'dev: %s\n' "$*" >>"$FAKE/log"; }
    as_root() { "$@"; }
    # shellcheck source=/dev/null
    . "$lib"
    enable_deb_src() { return 1; }
    i386_ok=$i386 wine_arch=$([ "$i386" = yes ] && echo win32 || echo win64) wine_reason=kernel
    setup_packages
    echo "rc=$? wine_arch=$wine_arch i386_ok=$i386_ok" >"$FAKE/result"
  ) 2>>"$FAKE/log"
  [ -f "$FAKE/result" ] || echo "rc=exited" >"$FAKE/result"
}

expect() {
  local name=$1 what=$2 got=$3 want=$4
  if [ "$got" != "$want" ]; then
    echo "FAIL $name: $what: want '$want', got '$got'"
    echo "  calls: $(tr '\n' ';' <"$work/$name/calls")"
    echo "  log: $(tr '\n' ';' <"$work/$name/log" 2>/dev/null)"
    failures=$((failures + 1))
  fi
}
count() { grep -c -- "$2" "$work/$1/calls" || true; }
all_packages() {
  (. "$lib"; printf '%s\n' "${apt_packages[@]}" "${i386_packages[@]}")
}

# name | kernel runs i386 | the machine before
run_case healthy yes ''
expect healthy result "$(cat "$work/healthy/result")" "rc=0 wine_arch=win32 i386_ok=yes"
expect healthy updates "$(count healthy 'apt-get update')" 1
expect healthy i386-install "$(count healthy 'apt-get install.*wine32:i386')" 1
expect healthy archs "$(cat "$work/healthy/archs")" i386

run_case update-recovers yes 'echo 2 >"$FAKE/update-failures"'
expect update-recovers result "$(cat "$work/update-recovers/result")" "rc=0 wine_arch=win32 i386_ok=yes"
expect update-recovers updates "$(count update-recovers 'apt-get update')" 3
expect update-recovers retries-told "$(grep -c 'retrying' "$work/update-recovers/log")" 2

run_case update-never yes 'echo 99 >"$FAKE/update-failures"'
expect update-never result "$(cat "$work/update-never/result")" "rc=0 wine_arch=win32 i386_ok=yes"
expect update-never updates "$(count update-never 'apt-get update')" 3
expect update-never installs-anyway "$(count update-never 'apt-get install.*cmake')" 1
expect update-never told "$(grep -c 'going on with the package indexes it has' "$work/update-never/log")" 1

run_case i386-broken yes 'touch "$FAKE/i386-broken"'
expect i386-broken result "$(cat "$work/i386-broken/result")" "rc=0 wine_arch=win64 i386_ok=no"
expect i386-broken archs-removed "$(cat "$work/i386-broken/archs")" ""
expect i386-broken remove-call "$(count i386-broken 'dpkg --remove-architecture i386')" 1
expect i386-broken told-once "$(grep -c 'i386 packages.*cannot be installed' "$work/i386-broken/log")" 1
expect i386-broken amd64-installed "$(grep -cx cmake "$work/i386-broken/installed")" 1

run_case i386-broken-own-arch yes 'touch "$FAKE/i386-broken"; echo i386 >"$FAKE/archs"'
expect i386-broken-own-arch result "$(cat "$work/i386-broken-own-arch/result")" "rc=0 wine_arch=win64 i386_ok=no"
expect i386-broken-own-arch arch-kept "$(cat "$work/i386-broken-own-arch/archs")" i386
expect i386-broken-own-arch no-add "$(count i386-broken-own-arch 'dpkg --add-architecture')" 0

ULMO_WINE_ARCH=win32 run_case i386-broken-win32-asked yes 'touch "$FAKE/i386-broken"'
expect i386-broken-win32-asked fails "$(cut -d' ' -f1 "$work/i386-broken-win32-asked/result")" "rc=1"
expect i386-broken-win32-asked archs-removed "$(cat "$work/i386-broken-win32-asked/archs")" ""

run_case no-i386-kernel no ''
expect no-i386-kernel result "$(cat "$work/no-i386-kernel/result")" "rc=0 wine_arch=win64 i386_ok=no"
expect no-i386-kernel no-arch "$(count no-i386-kernel 'dpkg --add-architecture')" 0
expect no-i386-kernel no-i386-install "$(count no-i386-kernel ':i386')" 0

run_case all-there yes "echo i386 >\"\$FAKE/archs\"; all_packages >\"\$FAKE/installed\""
expect all-there result "$(cat "$work/all-there/result")" "rc=0 wine_arch=win32 i386_ok=yes"
expect all-there no-apt "$(count all-there 'apt-get')" 0

if [ "$failures" -gt 0 ]; then echo "$failures check(s) failed"; exit 1; fi
echo "every setup case behaved"
