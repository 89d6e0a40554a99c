#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Install test of the Debian packages: lintian shows no tag, apt installs the
# program's package and the tools, the installed files are where the desktop
# expects them, the installed program opens its window under Xvfb for an
# ordinary user (whose constants library is then seeded from the starter file),
# the autopkgtest scripts of debian/tests pass against the installed packages,
# and apt removes them again.
#
#   tests/packaging/install-test.sh [trellum_VERSION_ARCH.deb trellum-tools_VERSION_ARCH.deb]
#
# Without arguments the packages are built first (scripts/package.sh build-deb).
# Needs root; skips otherwise. A screenshot of the window is left in
# $TRELLUM_TEST_OUTPUT (default: a new folder under /tmp, printed at the end).
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the package install test needs root (it installs and removes the package with apt-get)"
    exit 0
fi
cd "$(dirname "$0")/../.."

debs=("$@")
if [ ${#debs[@]} -eq 0 ]; then
    echo "== building the packages"
    mapfile -t debs < <(scripts/package.sh build-deb | grep -v -- '-dbgsym_')
fi
[ ${#debs[@]} -eq 2 ] || { echo "FAIL: give the program's package and the tools' package" >&2; exit 1; }
for i in "${!debs[@]}"; do debs[i]=$(realpath "${debs[i]}"); done
out=${TRELLUM_TEST_OUTPUT:-$(mktemp -d /tmp/trellum-install-test.XXXXXX)}
mkdir -p "$out"
work=$(mktemp -d /tmp/trellum-install-work.XXXXXX)
# The ordinary user must reach the home folder made inside it.
chmod 755 "$work"
export DEBIAN_FRONTEND=noninteractive

pids=()
installed=0
cleanup() {
    local status=$?
    # Newest first: the program, then the window manager, then the X server.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    if [ "$installed" = 1 ]; then
        echo "== removing the package"
        apt-get remove -y -qq trellum trellum-tools >/dev/null || status=1
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for deb in "${debs[@]}"; do
    echo "== lintian $(basename "$deb")"
    lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian reports errors for $(basename "$deb")"
    # Nor any pedantic or informational tag; the one override is explained in debian/trellum.lintian-overrides.
    pedantic=$(lintian --pedantic --display-info --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true)
    [ -z "$pedantic" ] || fail "lintian --pedantic --display-info reports: $pedantic"
done

if dpkg-query -W -f='${Status}' trellum 2>/dev/null | grep -q 'install ok installed'; then
    echo "note: trellum was installed already; this test replaces it and removes it at the end"
fi
echo "== apt-get install"
installed=1
apt-get install -y -qq --no-install-recommends "${debs[@]}" >/dev/null

echo "== installed layout"
[ -f /usr/bin/trellum ] && [ ! -L /usr/bin/trellum ] && [ -x /usr/bin/trellum ] || fail "/usr/bin/trellum is not the program"
# Architecture-independent data lives under /usr/share, nothing under /usr/lib.
[ -z "$(dpkg -L trellum trellum-tools | grep '^/usr/lib/')" ] || fail "the packages install into /usr/lib: $(dpkg -L trellum | grep '^/usr/lib/')"
cmp -s packaging/constants.txt /usr/share/trellum/constants.txt || fail "starter constants.txt missing or different"
# The translations are files in the data folder, one for each language the program is translated into.
for ts in shell/i18n/trellum_*.ts; do
    qm=/usr/share/trellum/$(basename "${ts%.ts}").qm
    [ -s "$qm" ] || fail "$qm is missing"
done
for file in /usr/bin/trellum-keys /usr/share/applications/io.github.trellum.Trellum.desktop \
            /usr/share/metainfo/io.github.trellum.Trellum.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/trellum.svg /usr/share/man/man1/trellum.1.gz \
            /usr/share/man/man1/trellum-keys.1.gz /usr/share/doc/trellum/copyright \
            /usr/share/doc/trellum/changelog.Debian.gz /usr/share/doc/trellum-tools/copyright; do
    [ -f "$file" ] || fail "$file is missing"
done
for size in 16 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/trellum.png
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "$icon is missing or not ${size}x${size}"
done
for recommended in qt6-wayland qt6-translations-l10n; do
    dpkg-query -W -f='${Recommends}\n' trellum | grep -q "$recommended" || fail "the package does not recommend $recommended"
done
# The test tool is a package of its own: the calculator neither needs nor ships it.
[ "$(dpkg -S /usr/bin/trellum-keys | cut -d: -f1)" = trellum-tools ] || fail "trellum-keys is not in trellum-tools"
if command -v desktop-file-validate >/dev/null; then
    # Debian 12's validator predates the entry's SingleMainWindow key (see metadata_test.sh).
    report=$(desktop-file-validate /usr/share/applications/io.github.trellum.Trellum.desktop 2>&1 |
             grep -v 'contains key "SingleMainWindow"' || true)
    [ -z "$report" ] || fail "the desktop entry does not validate: $report"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net /usr/share/metainfo/io.github.trellum.Trellum.metainfo.xml >/dev/null ||
        fail "the AppStream metadata does not validate"
fi
grep -q '<screenshot type="default">' /usr/share/metainfo/io.github.trellum.Trellum.metainfo.xml || fail "no screenshot in the AppStream metadata"
# The installed entry and metadata are the ones generated with every language of packaging/po.
for lang in $(grep -v '^#' packaging/po/LINGUAS); do
    grep -q "^Comment\[$lang\]=" /usr/share/applications/io.github.trellum.Trellum.desktop || fail "the installed entry has no Comment[$lang]"
    grep -q "<caption xml:lang=\"$lang\">" /usr/share/metainfo/io.github.trellum.Trellum.metainfo.xml ||
        fail "the installed metadata has no captions in $lang"
done
for section in OPTIONS SIGNALS WAYLAND ENVIRONMENT FILES; do
    zcat /usr/share/man/man1/trellum.1.gz | grep -q "^\.SH $section" || fail "the manual page has no $section section"
done
version=$(env -i PATH=/usr/bin:/bin /usr/bin/trellum --version) || fail "trellum --version failed without a display"
expected=$(dpkg-query -W -f='${Version}' trellum)
# The program knows the upstream version; the package's adds the Debian revision.
[ "$version" = "trellum ${expected%-*}" ] || fail "trellum --version printed '$version', the package is $expected"
# dpkg-shlibdeps found the program's libraries, Qt among them.
dpkg-query -W -f='${Depends}\n' trellum | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt Widgets"
result=$(echo '2 + 3 * 4 =' | trellum-keys | tail -n 1 | cut -f 2)
[ "$result" = "14.  " ] || fail "installed trellum-keys computed '$result' for 2 + 3 * 4 ="

echo "== starting /usr/bin/trellum under Xvfb as an ordinary user"
user=nobody
home=$work/home
mkdir -p "$home"
chown "$user" "$home"
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/displayfd" 2>"$work/xvfb.log" &
pids+=($!)
read -r -t 20 display <"$work/displayfd" || fail "Xvfb did not start"
export DISPLAY=:$display
if command -v openbox >/dev/null; then
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 500); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.02
    done
fi

started=$(date +%s%N)
# DBUS_SESSION_BUS_ADDRESS=disabled: keeps libdbus from starting a stray session bus.
setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" \
    DBUS_SESSION_BUS_ADDRESS=disabled: LANG=C.UTF-8 /usr/bin/trellum >"$work/trellum.log" 2>&1 &
program=$!
pids+=("$program")

# xdotool's own --sync polls every half second; a short loop sees the window sooner.
window=
for _ in $(seq 1000); do
    for candidate in $(xdotool search --onlyvisible --name '^Trellum$' 2>/dev/null); do
        # The search ignores case and would also match a tray icon named "trellum".
        if [ "$(xprop -id "$candidate" WM_NAME 2>/dev/null | sed 's/^[^=]*= //')" = '"Trellum"' ]; then
            window=$candidate
            break 2
        fi
    done
    kill -0 "$program" 2>/dev/null || { cat "$work/trellum.log" >&2; fail "the program exited before showing its window"; }
    sleep 0.02
done
[ -n "$window" ] || { cat "$work/trellum.log" >&2; fail "no window titled exactly 'Trellum' within 20 s"; }
echo "window $window after $((($(date +%s%N) - started) / 1000000)) ms"

xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
import -window "$window" "$out/trellum-installed.png"
size=$(identify -format '%wx%h' "$out/trellum-installed.png")
[ "${size%x*}" -ge 100 ] && [ "${size#*x}" -ge 100 ] || fail "screenshot is only $size"

# The folder of an installed copy is not the user's to write, so the constants
# key must open the user's own library, seeded from the starter file.
xdotool key n
dialog=
for _ in $(seq 500); do
    dialog=$(xdotool search --onlyvisible --name '^Load a constant$' 2>/dev/null | head -n 1) && [ -n "$dialog" ] && break
    sleep 0.02
done
if [ -z "$dialog" ]; then
    # A message box is a second window titled "Trellum".
    [ "$(xdotool search --onlyvisible --name '^Trellum$' | wc -l)" -gt 1 ] &&
        import -window root "$out/trellum-constants.png" &&
        fail "the constants key showed a message box (see $out/trellum-constants.png) instead of the dialog"
    fail "the constants key did not open 'Load a constant'"
fi
import -window "$dialog" "$out/trellum-constants.png"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
xdotool key Escape
user_copy=$home/.local/share/trellum/constants.txt
cmp -s packaging/constants.txt "$user_copy" || fail "the user's constants library was not seeded from the starter file"
cmp -s packaging/constants.txt /usr/share/trellum/constants.txt || fail "the starter file was changed"
kill -0 "$program" 2>/dev/null || fail "the program died"
# The end of a session: SIGTERM saves the settings and ends with status 0.
kill -s TERM "$program"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "SIGTERM ended the program with status $status"
[ -f "$home/.config/trellum/system.reg" ] || fail "SIGTERM did not save the settings"

# The autopkgtests, run as autopkgtest runs them: from the source tree, with a
# folder of their own, as an ordinary user.
for test in $(sed -n 's/^Tests: *//p' debian/tests/control); do
    echo "== autopkgtest $test"
    tmp=$work/autopkgtest-$test
    mkdir -p "$tmp"
    chown "$user" "$tmp"
    setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups env -i PATH=/usr/bin:/bin HOME="$tmp" \
        AUTOPKGTEST_TMP="$tmp" "debian/tests/$test" || fail "autopkgtest $test failed"
done

echo "PASS: package installs, the installed program starts, the user's constants are seeded, the autopkgtests pass; screenshots in $out"
