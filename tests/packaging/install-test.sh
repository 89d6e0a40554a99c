#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Install test of the Debian packages: lintian shows no tag for the source
# package and the packages, apt installs the program's package and the tools,
# the installed files are where the desktop expects them, the installed program
# run by an ordinary user seeds the user's constants library from the starter
# file, the autopkgtests of debian/tests pass, and apt removes the packages.
#
#   tests/packaging/install-test.sh [trellum_VERSION_ARCH.deb trellum-tools_VERSION_ARCH.deb]
#
# Without arguments the packages are built first (scripts/package.sh build-deb).
# Needs root; skips otherwise. A screenshot is left in $TRELLUM_TEST_OUTPUT
# (default: a new folder under /tmp, printed at the end).
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the package install test needs root (it installs and removes the package with apt-get)"
    exit 0
fi
cd "$(dirname "$0")/../.."

debs=("$@")
[ ${#debs[@]} -gt 0 ] || mapfile -t debs < <(scripts/package.sh build-deb | grep -v -- '-dbgsym_')
[ ${#debs[@]} -eq 2 ] || { echo "FAIL: give the program's package and the tools' package" >&2; exit 1; }
for i in "${!debs[@]}"; do debs[i]=$(realpath "${debs[i]}"); done
out=${TRELLUM_TEST_OUTPUT:-$(mktemp -d /tmp/trellum-install-test.XXXXXX)}
mkdir -p "$out"
work=$(mktemp -d /tmp/trellum-install-work.XXXXXX)
chmod 755 "$work"   # the ordinary user's home is made inside it
export DEBIAN_FRONTEND=noninteractive

pids=()
installed=0
cleanup() {
    local status=$?
    # Newest first: the program, then the window manager, then the X server.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null || true
    done
    [ "$installed" = 0 ] || apt-get remove -y -qq trellum trellum-tools >/dev/null || status=1
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The .changes beside the packages lists the source package and all packages: no tag, not even
# a pedantic or informational one (one override, explained in debian/trellum.lintian-overrides).
changes=$(ls "$(dirname "${debs[0]}")"/trellum_*.changes)
report=$(lintian --pedantic -I -E --tag-display-limit 0 "$changes" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$report" ] || fail "lintian reports: $report"

installed=1
apt-get install -y -qq --no-install-recommends "${debs[@]}" >/dev/null

[ -f /usr/bin/trellum ] && [ ! -L /usr/bin/trellum ] && [ -x /usr/bin/trellum ] || fail "/usr/bin/trellum is not the program"
# Architecture-independent data lives under /usr/share, nothing under /usr/lib.
[ -z "$(dpkg -L trellum trellum-tools | grep '^/usr/lib/')" ] || fail "the packages install into /usr/lib"
cmp -s packaging/constants.txt /usr/share/trellum/constants.txt || fail "starter constants.txt missing or different"
for ts in shell/i18n/trellum_*.ts; do
    [ -s "/usr/share/trellum/$(basename "${ts%.ts}").qm" ] || fail "the translation of $ts is not installed"
done
# lintian names a missing manual page, copyright or changelog.
for file in /usr/share/applications/io.github.trellum.Trellum.desktop /usr/share/metainfo/io.github.trellum.Trellum.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/trellum.svg; do
    [ -f "$file" ] || fail "$file is missing"
done
for size in 16 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/trellum.png
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "$icon is missing or not ${size}x${size}"
done
# The test tool is a package of its own: the calculator neither needs nor ships it.
[ "$(dpkg -S /usr/bin/trellum-keys | cut -d: -f1)" = trellum-tools ] || fail "trellum-keys is not in trellum-tools"
# dpkg-shlibdeps found the program's libraries, Qt among them.
fields=$(dpkg-query -W -f='${Depends} ${Recommends}' trellum)
for wanted in libqt6widgets6 qt6-wayland qt6-translations-l10n; do
    [[ $fields == *"$wanted"* ]] || fail "the package neither depends on nor recommends $wanted"
done
# The program knows the upstream version; the package's adds the Debian revision.
version=$(env -i PATH=/usr/bin:/bin /usr/bin/trellum --version) || fail "trellum --version failed without a display"
expected=$(dpkg-query -W -f='${Version}' trellum)
[ "$version" = "trellum ${expected%-*}" ] || fail "trellum --version printed '$version', the package is $expected"

user=nobody
home=$work/home
install -d -o "$user" "$home"
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/displayfd" 2>"$work/xvfb.log" &
pids+=($!)
read -r -t 20 display <"$work/displayfd" || fail "Xvfb did not start"
export DISPLAY=:$display
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 500); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.02; done

# DBUS_SESSION_BUS_ADDRESS=disabled: keeps libdbus from starting a stray session bus.
setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" \
    DBUS_SESSION_BUS_ADDRESS=disabled: LANG=C.UTF-8 /usr/bin/trellum >"$work/trellum.log" 2>&1 &
program=$!
pids+=("$program")
wait_window() {   # wait_window TITLE: prints the id of the visible window titled exactly TITLE
    local id
    for _ in $(seq 1000); do
        kill -0 "$program" 2>/dev/null || { cat "$work/trellum.log" >&2; fail "the program exited"; }
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            # The search ignores case and would also match a tray icon named "trellum".
            [ "$(xprop -id "$id" WM_NAME 2>/dev/null | sed 's/^[^=]*= //')" = "\"$1\"" ] && { echo "$id"; return; }
        done
        sleep 0.02
    done
    import -window root "$out/timeout.png"
    fail "no window titled exactly '$1' within 20 s (see $out/timeout.png)"
}
window=$(wait_window Trellum)
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
import -window "$window" "$out/trellum-installed.png"

# The folder of an installed copy is not the user's to write, so the constants
# key must open the user's own library, seeded from the starter file (not a
# message box, a second window titled "Trellum").
xdotool key n
wait_window 'Load a constant' >/dev/null
cmp -s packaging/constants.txt "$home/.local/share/trellum/constants.txt" || fail "the user's constants library was not seeded from the starter file"

# The autopkgtests, run as autopkgtest runs them: from the source tree, with a
# folder of their own, as an ordinary user.
for test in $(sed -n 's/^Tests: *//p' debian/tests/control); do
    echo "== autopkgtest $test"
    tmp=$work/autopkgtest-$test
    install -d -o "$user" "$tmp"
    setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups env -i PATH=/usr/bin:/bin HOME="$tmp" \
        AUTOPKGTEST_TMP="$tmp" "debian/tests/$test" || fail "autopkgtest $test failed"
done

echo "PASS: lintian silent, the packages install, the user's constants are seeded, the autopkgtests pass; screenshot in $out"
