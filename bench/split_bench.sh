#!/bin/sh
# Compares "sheafrun --split" (single pages, no properties, no compression)
# with "qpdf --split-pages" on the same 1000- and 2000-page documents whose
# pages share one resource dictionary.
#
#   sh bench/split_bench.sh [build folder] [runs]
#
# Prints the median wall time of each tool with its spread (lowest to highest
# run), their ratio, the total size of the files each produced, and how the
# worker's time grows from 1000 to 2000 pages. Targets: time <= qpdf's, sizes
# <= 1.1 x qpdf's, 2000 pages <= 2.2 x 1000.
set -eu

build=${1:-build}
runs=${2:-5}
bin=$(cd "$build" && pwd)
sheafrun=$bin/bin/sheafrun
make_fixture=$bin/bench/make_fixture
[ -x "$sheafrun" ] && [ -x "$make_fixture" ] || { echo "build sheafrun and make_fixture first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The worker logs and caches under HOME and TMPDIR: keep them out of the user's.
export HOME="$work/home" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$TMPDIR"

now() { date +%s.%N; }
calc() { awk "BEGIN { print $1 }"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
spread() { sort -g | awk 'NR == 1 { low = $1 } { high = $1 } END { printf "%.3f-%.3f", low, high }'; }
folder_size() { find "$1" -type f -name '*.pdf' -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }'; }

for pages in 1000 2000; do
    source="$work/doc$pages.pdf"
    "$make_fixture" pdf "$source" "$pages" 2> /dev/null
    : > "$work/ours$pages"; : > "$work/qpdf$pages"
    for run in $(seq "$runs"); do
        # Fresh folders, deleted only after all runs: deleting thousands of
        # files just before a timed run slows the file system's next
        # creations, whichever tool comes next.
        out="$work/out-$pages-$run" session="$work/session-$pages-$run" qdir="$work/qpdf-$pages-$run"
        mkdir -p "$out" "$session" "$qdir"
        "$make_fixture" split-request "$session/bench.req" "$source" "$pages" "$out" "$session" 2> /dev/null

        start=$(now)
        "$sheafrun" --split "$session/bench.req" > /dev/null 2>&1
        end=$(now)
        calc "$end - $start" >> "$work/ours$pages"

        start=$(now)
        qpdf --split-pages "$source" "$qdir/page-%d.pdf"
        end=$(now)
        calc "$end - $start" >> "$work/qpdf$pages"
    done
    produced=$(find "$out" -name '*.pdf' | wc -l)
    [ "$produced" -eq "$pages" ] || { echo "sheafrun produced $produced files for $pages pages" >&2; exit 1; }

    ours=$(median < "$work/ours$pages")
    theirs=$(median < "$work/qpdf$pages")
    eval "ours_$pages=$ours"
    printf '%d pages, %d runs, load average %s: sheafrun %.3f s (%s), qpdf %.3f s (%s), ratio %.2f (target <= 1.0)\n' \
        "$pages" "$runs" "$(cut -d ' ' -f 1-3 /proc/loadavg)" "$ours" "$(spread < "$work/ours$pages")" \
        "$theirs" "$(spread < "$work/qpdf$pages")" "$(calc "$ours / $theirs")"
    our_size=$(folder_size "$out")
    qpdf_size=$(folder_size "$qdir")
    printf '%d pages: output sizes sheafrun %d bytes, qpdf %d bytes, ratio %.3f (target <= 1.1)\n' \
        "$pages" "$our_size" "$qpdf_size" "$(calc "$our_size / $qpdf_size")"
done

printf 'growth: sheafrun 2000 pages / 1000 pages = %.2f (target <= 2.2)\n' "$(calc "$ours_2000 / $ours_1000")"
