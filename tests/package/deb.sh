# The Debian package of the build in BUILD_DIR: the build has Debian's flags and its programs
# are hardened, CPack makes the package, its files stand where desktops, hosts and man look for
# them, lintian finds nothing to object to, the program runs from the unpacked tree and from a
# stripped install, and (as root) apt installs and purges it leaving the system's files as they
# were.

source "$(dirname "$0")/../e2e/lib.sh"
: "${BUILD_DIR:?BUILD_DIR must name the build directory}"

WORK=$(mktemp -d)
chmod 755 "$WORK" # apt reads the package as its own unprivileged user
cleanup() {
  kill $(jobs -p) 2>/dev/null || true
  stop_xvfb
  # A check that fails with the package installed takes it away again.
  [ -z "${INSTALLED:-}" ] || apt-get purge -y -qq quellar >/dev/null 2>&1 || true
  rm -rf "$WORK"
}
trap cleanup EXIT
export QUELLAR_REGISTRY="$WORK/registry.sqlite3" XDG_RUNTIME_DIR="$WORK"

# The flags CMakePresets.json writes down (debian-flags) are dpkg-buildflags' own, as it gives
# them in the source directory with nothing of the caller's settings.
SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd -P)
debian_flags() {
  (cd "$SOURCE_DIR" && env -i PATH="$PATH" DEB_BUILD_MAINT_OPTIONS=hardening=+all \
    dpkg-buildflags --get "$1")
}
cached() { sed -n "s/^CMAKE_$1_FLAGS:STRING=//p" "$BUILD_DIR/CMakeCache.txt"; }
for flags in "C CPPFLAGS CFLAGS" "CXX CPPFLAGS CXXFLAGS" "EXE_LINKER LDFLAGS" \
  "SHARED_LINKER LDFLAGS" "MODULE_LINKER LDFLAGS"; do
  read -r kind names <<<"$flags"
  expected=$(for name in $names; do debian_flags "$name"; done | paste -sd ' ')
  [ "$(cached "$kind")" = "$expected" ] ||
    fail "CMAKE_${kind}_FLAGS are '$(cached "$kind")'; dpkg-buildflags gives '$expected'"
done

cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$WORK" >"$WORK/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$WORK/cpack.log")"
DEB="$WORK/quellar_2.0.0_$(dpkg --print-architecture).deb"
[ -f "$DEB" ] || fail "no $(basename "$DEB"): $(ls "$WORK")"

# The paths in the package, links with their targets.
dpkg-deb -c "$DEB" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' >"$WORK/paths"
expected=(./usr/bin/quellar ./usr/libexec/quellar/quellar-dialogs.so
  "./usr/libexec/xscreensaver/quellar -> ../../bin/quellar"
  ./usr/share/xscreensaver/config/quellar.xml ./usr/share/applications/screensavers/quellar.desktop
  ./usr/share/applications/quellar-settings.desktop ./usr/share/man/man6/quellar.6.gz
  ./usr/share/doc/quellar/changelog.Debian.gz ./usr/share/doc/quellar/copyright)
ICON_SIZES=(16 24 32 48 64 128 256)
for n in "${ICON_SIZES[@]}"; do
  expected+=("./usr/share/icons/hicolor/${n}x${n}/apps/quellar.png")
done
for path in "${expected[@]}"; do
  grep -Fxq "$path" "$WORK/paths" || fail "the package lacks $path"
done
dpkg-deb -f "$DEB" Depends | grep -q 'libwayland-client0.*libx11-6.*libxext6.*libxkbcommon0' ||
  fail "the package does not depend on the libraries the program links"

lintian --display-info --fail-on error,warning "$DEB" >"$WORK/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$WORK/lintian.log")"
! grep -q hardening- "$WORK/lintian.log" || fail "lintian: $(grep hardening- "$WORK/lintian.log")"
note "lintian, at info level: $(grep -c "^I:" "$WORK/lintian.log" || true) remarks"

ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
# Hardened as Debian's packages are, built and packaged. Not asked: control-flow marks (Debian
# 12's start files have none) and __*_chk calls, which the compiler leaves out wherever it
# proves a size, as it does everywhere here (lintian-overrides).
hardening-check --nocfprotection --nofortify "$BUILD_DIR/platforms/linux/quellar" \
  "$BUILD_DIR/platforms/linux/quellar-dialogs.so" "$ROOT/usr/bin/quellar" \
  "$ROOT/usr/libexec/quellar/quellar-dialogs.so" >"$WORK/hardening.log" ||
  fail "hardening-check: $(cat "$WORK/hardening.log")"
# gzip -9n: no name and no time in the header, which names the best compression.
for gz in usr/share/man/man6/quellar.6.gz usr/share/doc/quellar/changelog.Debian.gz; do
  [ "$(od -An -tx1 -N9 "$ROOT/$gz" | tr -d ' ')" = 1f8b08000000000002 ] ||
    fail "$gz is not gzip -9n"
done
for n in "${ICON_SIZES[@]}"; do
  [ "$(identify -format '%wx%h %A' "$ROOT/usr/share/icons/hicolor/${n}x${n}/apps/quellar.png")" = \
    "${n}x${n} True" ] || fail "the ${n}x${n} icon is not of its size with an alpha channel"
done
XML="$ROOT/usr/share/xscreensaver/config/quellar.xml"
xmllint --noout "$XML" || fail "the daemon's settings description is not well-formed"
[ "$(xmllint --xpath 'string(/screensaver/@name)' "$XML")" = quellar ] ||
  fail "the daemon finds the settings description by the program's name, quellar"
desktop-file-validate --no-hints "$ROOT/usr/share/applications/screensavers/quellar.desktop" \
  "$ROOT/usr/share/applications/quellar-settings.desktop" || fail "the desktop entries"
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
  "$ROOT/usr/share/man/man6/quellar.6.gz" 2>"$WORK/man.log" >/dev/null
[ ! -s "$WORK/man.log" ] || fail "man: $(cat "$WORK/man.log")"

# The program from the unpacked tree runs as a guest in a window of a test host.
[ "$("$ROOT/usr/bin/quellar" --version)" = "quellar 2.0.0" ] || fail "quellar --version"
start_xvfb 320x240
xev -geometry 160x120 -name package-host >/dev/null &
wait_for 5 xdotool search --name '^package-host$' || fail "no host window"
"$ROOT/usr/bin/quellar" --window-id "$(xdotool search --name '^package-host$' | tail -n 1)" &
SAVER=$!
sleep 2 && kill -0 "$SAVER" || fail "the hosted run ended by itself"
kill -TERM "$SAVER" && wait "$SAVER" || fail "the hosted run did not end cleanly on SIGTERM"
# It finds its dialogs where the package put them, and where a stripped install does: the
# stripping leaves what the program checks of them as it was.
cmake --install "$BUILD_DIR" --prefix "$WORK/installed" --strip >/dev/null
for tree in "$ROOT/usr" "$WORK/installed"; do
  "$tree/bin/quellar" /a 2>"$WORK/notice.log" &
  wait_for 10 xdotool search --name '^QuellarScreensaver$' ||
    fail "no notice from $tree: $(cat "$WORK/notice.log")"
  kill -HUP $! && wait $! || fail "the notice did not end cleanly on SIGHUP"
done

if [ "$(id -u)" -ne 0 ]; then
  note "not root: the install and purge with apt are skipped"
  exit 0
fi
! dpkg -s quellar >/dev/null 2>&1 || fail "quellar is installed already; purge it to run this test"
system_files() { find /usr /etc -xdev | LC_ALL=C sort; }
apt_get() { apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@" >>"$WORK/apt.log" 2>&1; }
system_files >"$WORK/before"
INSTALLED=1
apt_get install "$DEB" || fail "apt-get install: $(tail -n 20 "$WORK/apt.log")"
[ -x /usr/libexec/xscreensaver/quellar ] && man -w quellar >/dev/null ||
  fail "the installed program or its manual cannot be found"
apt_get purge quellar || fail "apt-get purge: $(tail -n 20 "$WORK/apt.log")"
INSTALLED=
system_files >"$WORK/after"
# Of what changed, only the package's paths and anything named after it count: other programs
# may install packages meanwhile.
sed 's|^\./|/|; s|/$||; s| -> .*||' "$WORK/paths" >"$WORK/owned"
diff "$WORK/before" "$WORK/after" | sed -n 's/^[<>] //p' >"$WORK/changed" || true
awk 'NR == FNR { owned[$0]; next } ($0 in owned) || tolower($0) ~ /quellar/' \
  "$WORK/owned" "$WORK/changed" >"$WORK/left"
[ ! -s "$WORK/left" ] || fail "install and purge changed the system's files: $(cat "$WORK/left")"
note "apt installed and purged the package; nothing of it is left under /usr and /etc"
