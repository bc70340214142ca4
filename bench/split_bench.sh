#!/bin/sh
# Compares "sheafrun --split" (single pages, no properties, no compression)
# with "qpdf --split-pages" on the same 1000- and 2000-page documents, of two
# makers: "qpdf", written by qpdf with one resource dictionary for all pages,
# and "plain", written object by object the way simple producers do (one
# shared resource dictionary with one Type 1 font, one compressed content
# stream per page). The two tools run alternately, side by side in every run.
#
#   sh bench/split_bench.sh [build folder] [runs] [qpdf|plain|all]
#
# Prints the load average first (a busy machine makes the figures worthless:
# it warns above 1.0), then for each tool the median wall, user and system
# time with their spread (lowest to highest run), the ratio of the medians,
# the total size of the files each produced, and how the worker's time grows
# from 1000 to 2000 pages. Targets: time <= qpdf's, sizes <= 1.1 x qpdf's,
# 2000 pages <= 2.2 x 1000.
set -eu

build=${1:-build}
runs=${2:-5}
makers=${3:-all}
. "$(dirname "$0")/bench_common.sh"
bench_setup "$build"

print_load

split_case() {
    maker=$1 pages=$2
    source="$work/$maker$pages.pdf"
    case $maker in
    qpdf) "$make_fixture" pdf "$source" "$pages" 2> /dev/null ;;
    plain) "$make_fixture" plain-pdf "$source" "$pages" 2> /dev/null ;;
    esac
    ours="$work/ours-$maker$pages" theirs="$work/qpdf-$maker$pages"
    : > "$ours"; : > "$theirs"
    for run in $(seq "$runs"); do
        # Fresh folders, deleted only after all runs: deleting thousands of
        # files just before a timed run slows the file system's next
        # creations, whichever tool comes next.
        out="$work/out-$maker-$pages-$run" session="$work/session-$maker-$pages-$run"
        qdir="$work/qpdf-$maker-$pages-$run"
        mkdir -p "$out" "$session" "$qdir"
        "$make_fixture" split-request "$session/bench.req" "$source" "$pages" "$out" "$session" 2> /dev/null

        "$timed" "$work/run.txt" "$sheafrun" --split "$session/bench.req" > /dev/null 2>&1
        cat "$work/run.txt" >> "$ours"
        "$timed" "$work/run.txt" qpdf --split-pages "$source" "$qdir/page-%d.pdf"
        cat "$work/run.txt" >> "$theirs"
    done
    produced=$(find "$out" -name '*.pdf' | wc -l)
    [ "$produced" -eq "$pages" ] || { echo "sheafrun produced $produced files for $pages pages" >&2; exit 1; }

    printf '%s, %d pages, %d runs:\n' "$maker" "$pages" "$runs"
    print_times sheafrun "$ours"
    print_times qpdf "$theirs"
    printf '  ratio sheafrun / qpdf: wall %.2f (target <= 1.0), user+system %.2f\n' \
        "$(calc "$(median_of 1 < "$ours") / $(median_of 1 < "$theirs")")" \
        "$(calc "$(cpu_median < "$ours") / $(cpu_median < "$theirs")")"
    our_size=$(folder_size "$out")
    qpdf_size=$(folder_size "$qdir")
    printf '  output sizes: sheafrun %d bytes, qpdf %d bytes, ratio %.3f (target <= 1.1)\n' \
        "$our_size" "$qpdf_size" "$(calc "$our_size / $qpdf_size")"
    eval "wall_${maker}_$pages=$(median_of 1 < "$ours")"
}

for maker in qpdf plain; do
    [ "$makers" = all ] || [ "$makers" = "$maker" ] || continue
    split_case "$maker" 1000
    split_case "$maker" 2000
    eval "growth=\$(calc \"\$wall_${maker}_2000 / \$wall_${maker}_1000\")"
    printf '%s: growth of sheafrun from 1000 to 2000 pages %.2f (target <= 2.2)\n' "$maker" "$growth"
done
print_load
