#!/bin/sh
# Compares "sheafrun --merge" (50 documents of 100 pages, no properties, no
# compression) with "qpdf --empty --pages ... -- out.pdf" on the same inputs.
#
#   sh bench/merge_bench.sh [build folder] [runs]
#
# Prints the median wall time and the median peak memory (maximum resident
# set size, from /usr/bin/time -v) of each tool, and their ratios.
# Targets: time ratio <= 1.3, peak memory <= 1.5 x qpdf's.
set -eu

build=${1:-build}
runs=${2:-5}
documents=50
pages=100
bin=$(cd "$build" && pwd)
sheafrun=$bin/bin/sheafrun
make_fixture=$bin/bench/make_fixture
[ -x "$sheafrun" ] && [ -x "$make_fixture" ] || { echo "build sheafrun and make_fixture first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The worker logs and caches under HOME and TMPDIR: keep them out of the user's.
export HOME="$work/home" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$TMPDIR" "$work/in" "$work/session"

now() { date +%s.%N; }
calc() { awk "BEGIN { print $1 }"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
peak_kb() { sed -n 's/.*Maximum resident set size (kbytes): //p' "$1"; }

inputs=""
for i in $(seq -w "$documents"); do
    "$make_fixture" pdf "$work/in/doc$i.pdf" "$pages"
    inputs="$inputs $work/in/doc$i.pdf"
done
# shellcheck disable=SC2086
"$make_fixture" merge-request "$work/session/bench.req" "$work/ours.pdf" "$work/session" $inputs

: > "$work/ours.time"; : > "$work/qpdf.time"; : > "$work/ours.mem"; : > "$work/qpdf.mem"
for run in $(seq "$runs"); do
    rm -f "$work/ours.pdf" "$work/qpdf.pdf"

    start=$(now)
    /usr/bin/time -v -o "$work/time.txt" "$sheafrun" --merge "$work/session/bench.req" > "$work/stdout.txt" 2> /dev/null
    end=$(now)
    calc "$end - $start" >> "$work/ours.time"
    peak_kb "$work/time.txt" >> "$work/ours.mem"

    start=$(now)
    # shellcheck disable=SC2086
    /usr/bin/time -v -o "$work/time.txt" qpdf --empty --pages $inputs -- "$work/qpdf.pdf"
    end=$(now)
    calc "$end - $start" >> "$work/qpdf.time"
    peak_kb "$work/time.txt" >> "$work/qpdf.mem"
done

[ -s "$work/ours.pdf" ] || { echo "sheafrun wrote no merged file" >&2; exit 1; }
[ ! -s "$work/stdout.txt" ] || { echo "sheafrun printed on standard output during a merge" >&2; exit 1; }

ours=$(median < "$work/ours.time"); theirs=$(median < "$work/qpdf.time")
our_mem=$(median < "$work/ours.mem"); their_mem=$(median < "$work/qpdf.mem")
printf '%d documents of %d pages, %d runs\n' "$documents" "$pages" "$runs"
printf 'time:   sheafrun %.3f s, qpdf %.3f s, ratio %.2f (target <= 1.3)\n' "$ours" "$theirs" "$(calc "$ours / $theirs")"
printf 'memory: sheafrun %d KiB, qpdf %d KiB, ratio %.2f (target <= 1.5)\n' "$our_mem" "$their_mem" "$(calc "$our_mem / $their_mem")"
printf 'sizes:  sheafrun %d bytes, qpdf %d bytes\n' "$(stat -c %s "$work/ours.pdf")" "$(stat -c %s "$work/qpdf.pdf")"
