#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Where trellum's start-up goes, beside the bare Qt window (bench/floor), in
# figures that a busy machine does not blur:
#   - instructions from exec until the event loop is idle (callgrind), in total
#     and for the steps of start-up that differ between the two programs;
#   - the dynamic loader's statistics (LD_DEBUG=statistics);
#   - memory one second after the map (smaps): PSS by mapping, what trellum maps
#     that the floor does not.
#   bench/startup_profile.sh            (OUT=folder keeps the callgrind files,
#                                        REUSE=1 reports on those of an earlier run)
# TRELLUM_BIN=path skips the release build in build-bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/display.sh
OUT=${OUT:-$work}
mkdir -p "$OUT"
build_startup_pair
start_display

# The same private environment as bench/startup.sh gives every program.
# exec: started in the background, $! is then the program itself.
run_env() {
    local env_vars
    mapfile -t env_vars < <(private_env "$1")
    shift
    exec env "${env_vars[@]}" "$@"
}

# Waits until a window titled $1 is mapped (up to $2 tenths of a second;
# a start under callgrind on a busy machine takes minutes).
wait_mapped() {
    for ((i = 0; i < ${2:-600}; i++)); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# callgrind: the count stops growing once the event loop waits; dump it then.
profile() {
    local name=$1 title=$2 bin=$3
    # A warm-up start fills the font cache and writes first-run settings.
    run_env "$name" "$bin" >/dev/null 2>&1 &
    local warm=$!
    wait_mapped "$title" || true
    sleep 1
    kill "$warm" 2>/dev/null || true
    wait "$warm" 2>/dev/null || true

    run_env "$name" valgrind --tool=callgrind --callgrind-out-file="$OUT/callgrind.$name" \
        "$bin" >/dev/null 2>"$work/$name.valgrind" &
    local pid=$!
    pids+=("$pid")
    wait_mapped "$title" 6000 || { echo "$name: no window" >&2; return 1; }
    # Basic blocks executed so far; an idle event loop adds a handful a second.
    local last=-1 now
    for ((i = 0; i < 120; i++)); do
        sleep 1
        now=$(callgrind_control -s "$pid" 2>/dev/null | sed -n 's/.*executed \([0-9,]*\),.*/\1/p' | tail -1 | tr -d ,) || true
        [[ -n $now && $last -gt 0 && $((now - last)) -lt 20000 ]] && break
        last=${now:-0}
    done
    callgrind_control -d "$pid" >/dev/null || echo "$name: callgrind_control could not dump" >&2
    sleep 0.5
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# REUSE=1 with OUT=folder reports on the callgrind files of an earlier run.
if [[ -z ${REUSE:-} ]]; then
    profile trellum Trellum "$TRELLUM_BIN"
    profile floor "Qt floor" "$FLOOR_BIN"
fi

# The first dump holds everything up to the idle event loop; the event loop's
# share is what was painted after the window was mapped.
first_dump() { if [[ -f $OUT/callgrind.$1.1 ]]; then echo "$OUT/callgrind.$1.1"; else echo "$OUT/callgrind.$1"; fi; }
for name in trellum floor; do
    callgrind_annotate --inclusive=yes --threshold=100 "$(first_dump "$name")" 2>/dev/null >"$work/incl.$name" || true
done
# Inclusive instructions of the first function matching $2 in program $1, in millions.
incl() {
    grep -m1 -E "^ *[0-9,]+ \([ 0-9.]+%\) +[^ ]*:$2" "$work/incl.$1" | awk '{ gsub(",", "", $1); printf "%.1f", $1 / 1e6 }'
}
total() { awk '/PROGRAM TOTALS/ { gsub(",", "", $1); printf "%.1f", $1 / 1e6 }' "$work/incl.$1"; }
echo "Instructions (millions) from exec to the idle event loop (callgrind, warm font cache)"
echo "| step | trellum | qt-floor |"
echo "|---|---:|---:|"
echo "| whole start-up | $(total trellum) | $(total floor) |"
echo "| before main: loading and relocating libraries | $(incl trellum '_dl_start ') | $(incl floor '_dl_start ') |"
echo "| QApplication | $(incl trellum 'QApplication::QApplication\(int') | $(incl floor 'QApplication::QApplication\(int') |"
echo "| fontconfig reading its configuration | $(incl trellum 'QFontDatabasePrivate::ensureFontDatabase') | $(incl floor 'QFontDatabasePrivate::ensureFontDatabase') |"
echo "| event loop: first paint after the map | $(incl trellum 'QCoreApplication::exec\(\)') | $(incl floor 'QCoreApplication::exec\(\)') |"
echo "| font engines (one per family, size and weight) | $(incl trellum 'QFontconfigDatabase::fontEngine\(QFontDef') | $(incl floor 'QFontconfigDatabase::fontEngine\(QFontDef') |"
echo "| glyphs rendered | $(incl trellum 'QFontEngineFT::loadGlyph\(QFontEngineFT::QGlyphSet') | $(incl floor 'QFontEngineFT::loadGlyph\(QFontEngineFT::QGlyphSet') |"
echo "| main window built (trellum) / widgets built (floor) | $(incl trellum 'trellum::shell::MainWindow::MainWindow') | - |"
echo "| keys painted | $(incl trellum '(trellum::shell::KeyButton|QPushButton)::paintEvent') | $(incl floor 'QPushButton::paintEvent') |"
echo "| of which: the marks' type fitted | $(incl trellum 'trellum::shell::KeyButton::fitPrint') | - |"
echo "| window icon read | $(incl trellum 'trellum::shell::appIcon') | - |"
echo "| start-up sequence (settings, tray, show, AC) | $(incl trellum 'trellum::Calculator::start\(\)') | - |"
echo "| work after the first paint (tray icon, pointer) | $(incl trellum 'trellum::shell::QtToolkit::applyKeypadCursors') + $(incl trellum 'trellum::shell::QtToolkit::showTray') | - |"
echo

# The dynamic loader's own statistics.
echo
echo "Dynamic loader (LD_DEBUG=statistics), relocations and objects"
for entry in "trellum|Trellum|$TRELLUM_BIN" "floor|Qt floor|$FLOOR_BIN"; do
    IFS='|' read -r name title bin <<<"$entry"
    run_env "$name" env LD_DEBUG=statistics LD_DEBUG_OUTPUT="$work/ld.$name" "$bin" >/dev/null 2>&1 &
    pid=$!
    wait_mapped "$title" || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    printf '%s: ' "$name"
    cat "$work"/ld."$name".* 2>/dev/null | grep -E 'number of relocations:|objects loaded' | sed 's/^ *[0-9]*: *//' \
        | awk '{ printf "%s%s", sep, $0; sep = "; " } END { print "" }'
done

# Memory one second after the map: resident and private memory by mapping.
echo
echo "Memory one second after the map (KiB), by mapping: the largest differences"
for entry in "trellum|Trellum|$TRELLUM_BIN" "floor|Qt floor|$FLOOR_BIN"; do
    IFS='|' read -r name title bin <<<"$entry"
    run_env "$name" "$bin" >/dev/null 2>&1 &
    pid=$!
    wait_mapped "$title" || true
    sleep 1
    awk '/^[0-9a-f]+-[0-9a-f]+ / { file = (NF >= 6) ? $6 : "[anon]" }
         /^Rss:/ { rss[file] += $2 }
         /^Private_(Clean|Dirty):/ { own[file] += $2 }
         END { for (f in rss) print f "\t" rss[f] "\t" own[f] }' "/proc/$pid/smaps" | sort >"$work/mem.$name"
    grep -E '^(Rss|Pss|Private_Clean|Private_Dirty):' "/proc/$pid/smaps_rollup" \
        | awk -v n="$name" '{ printf "%s%s %s kB", sep, $1, $2; sep = ", " } END { print "  (" n ")" }'
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
done
echo "| mapping | trellum RSS | floor RSS | trellum private | floor private |"
echo "|---|---:|---:|---:|---:|"
join -t $'\t' -a1 -a2 -e 0 -o 0,1.2,2.2,1.3,2.3 "$work/mem.trellum" "$work/mem.floor" \
    | awk -F'\t' '{ d = $2 - $3; if (d < 0) d = -d; if (d >= 48) printf "%d\t| %s | %d | %d | %d | %d |\n", d, $1, $2, $3, $4, $5 }' \
    | sort -n -r | cut -f2
