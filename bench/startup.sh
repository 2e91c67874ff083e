#!/bin/sh
# Start-up time and memory of VEXA beside a bare Qt main window with a table.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]        (defaults: build, 9)
#
# Under one Xvfb server, starts each program in turn (alternating, so that a
# change in the machine's load hits both alike) and measures the time from
# the start until its main window is mapped on the screen, then its resident
# memory (VmRSS) at that moment, and stops it. Prints every run, the medians
# and the ratios VEXA / bare window.
set -eu

build=${1:-build}
runs=${2:-9}
vexa="$build/src/shell/vexa"
bare="$build/bench/vexa_bare_window"
for program in "$vexa" "$bare"; do
    [ -x "$program" ] || { echo "missing $program: build first (make test)" >&2; exit 1; }
done
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "needs $tool (packages xvfb, xdotool)" >&2; exit 1; }
done

work=$(mktemp -d)
# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
i=0
until [ -s "$work/display" ]; do
    i=$((i + 1)); [ $i -lt 200 ] || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done
export DISPLAY=":$(cat "$work/display")"

now() { date +%s%N; }

# measure PROGRAM TITLE: prints "milliseconds kilobytes"
measure() {
    start=$(now)
    "$1" >"$work/output" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" --name "$2" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            status=0; wait "$pid" || status=$?
            echo "$1 ended before its window showed (status $status):" >&2
            cat "$work/output" >&2
            exit 1
        fi
        sleep 0.01
    done
    end=$(now)
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run of each first, untimed, so that both start from a warm file cache.
measure "$vexa" "VEXA - Coordinates" >/dev/null
measure "$bare" "Bare window" >/dev/null

printf '%-4s %12s %12s %12s %12s\n' run "vexa ms" "vexa KiB" "bare ms" "bare KiB"
n=1
while [ $n -le "$runs" ]; do
    if [ $((n % 2)) -eq 1 ]; then
        v=$(measure "$vexa" "VEXA - Coordinates"); b=$(measure "$bare" "Bare window")
    else
        b=$(measure "$bare" "Bare window"); v=$(measure "$vexa" "VEXA - Coordinates")
    fi
    echo "$v" >> "$work/vexa"; echo "$b" >> "$work/bare"
    printf '%-4s %12s %12s %12s %12s\n' "$n" $v $b
    n=$((n + 1))
done

vt=$(cut -d' ' -f1 "$work/vexa" | median); vm=$(cut -d' ' -f2 "$work/vexa" | median)
bt=$(cut -d' ' -f1 "$work/bare" | median); bm=$(cut -d' ' -f2 "$work/bare" | median)
printf 'median %11s %12s %12s %12s\n' "$vt" "$vm" "$bt" "$bm"
awk -v vt="$vt" -v bt="$bt" -v vm="$vm" -v bm="$bm" \
    'BEGIN { printf "ratio  start-up %.2fx   memory %.2fx\n", vt / bt, vm / bm }'
