#!/bin/sh
# How large merged files come out: "sheafrun --merge" as it is, and with
# each "optimise" choice, beside "qpdf --empty --pages ... --", pdfunite
# and, when it is installed, "mutool merge" and "mutool clean -gggg -z" of
# mutool's merge (the reference for storing shared objects once). Two cases:
#   copies   20 copies of one document (default: the smallest PDF manual
#            below /usr/share/doc; on Debian 12 the shared-mime-info one,
#            17 pages with 7 embedded fonts)
#   pieces   20 different documents: pieces of three pages cut by qpdf
#            from real documents (default: every PDF manual below
#            /usr/share/doc), each carrying the fonts it uses, as files
#            that were split once and are merged again do
#
#   sh bench/size_bench.sh [build folder] [runs] [copies document] [pieces documents...]
#
# Prints the load average first (times from a busy machine are worthless),
# then per tool the size written and the median wall and user time. Every
# output of ours must pass "qpdf --check" and keep every page.
set -eu

build=${1:-build}
runs=${2:-3}
manuals=$(find /usr/share/doc -name '*.pdf' -size +20k -printf '%s %p\n' 2>/dev/null | sort -n | cut -d ' ' -f 2-)
copy_source=${3:-$(echo "$manuals" | head -n 1)}
[ $# -gt 3 ] && shift 3 || set --
# shellcheck disable=SC2086
[ $# -gt 0 ] || set -- $manuals
[ -n "$copy_source" ] && [ $# -gt 0 ] || { echo "no documents: name them on the command line" >&2; exit 1; }
. "$(dirname "$0")/bench_common.sh"
bench_setup "$build"

tools="sheafrun sheafrun-lossless sheafrun-images qpdf pdfunite"
command -v mutool > /dev/null 2>&1 && tools="$tools mutool mutool-clean"

# tool_run TOOL: merges $inputs into $case_dir/TOOL.pdf under bench/timed.
tool_run() {
    out="$case_dir/$1.pdf"
    rm -f "$out"
    # shellcheck disable=SC2086
    case $1 in
    sheafrun) "$timed" "$case_dir/time.txt" "$sheafrun" --merge "$case_dir/session/none.req" > /dev/null 2>&1 ;;
    sheafrun-lossless) "$timed" "$case_dir/time.txt" "$sheafrun" --merge "$case_dir/session/lossless.req" > /dev/null 2>&1 ;;
    sheafrun-images) "$timed" "$case_dir/time.txt" "$sheafrun" --merge "$case_dir/session/images.req" > /dev/null 2>&1 ;;
    qpdf) "$timed" "$case_dir/time.txt" qpdf --empty --pages $inputs -- "$out" ;;
    pdfunite) "$timed" "$case_dir/time.txt" pdfunite $inputs "$out" ;;
    mutool) "$timed" "$case_dir/time.txt" mutool merge -o "$out" $inputs ;;
    mutool-clean) "$timed" "$case_dir/time.txt" sh -c 'out=$1; shift; mutool merge -o "$out.tmp" "$@" && mutool clean -gggg -z "$out.tmp" "$out"' sh "$out" $inputs ;;
    esac
}

run_case() {
    name=$1
    mkdir -p "$case_dir/session"
    for mode in none lossless images; do
        # shellcheck disable=SC2086
        "$make_fixture" merge-request --optimise=$mode "$case_dir/session/$mode.req" \
            "$case_dir/sheafrun$( [ $mode = none ] || echo "-$mode").pdf" "$case_dir/session" $inputs
    done
    pages=0
    for input in $inputs; do pages=$((pages + $(qpdf --show-npages "$input"))); done
    # shellcheck disable=SC2086
    printf '%s: %d documents, %d pages, %d input bytes, %d runs\n' "$name" "$(echo $inputs | wc -w)" "$pages" \
        "$(cat $inputs | wc -c)" "$runs"
    for tool in $tools; do
        : > "$case_dir/$tool.runs"
        for run in $(seq "$runs"); do
            tool_run "$tool"
            cat "$case_dir/time.txt" >> "$case_dir/$tool.runs"
        done
        case $tool in sheafrun*)
            qpdf --check "$case_dir/$tool.pdf" > /dev/null 2>&1 || { echo "qpdf --check fails on $tool" >&2; exit 1; }
            [ "$(qpdf --show-npages "$case_dir/$tool.pdf")" -eq "$pages" ] || { echo "$tool lost pages" >&2; exit 1; } ;;
        esac
        printf '  %-18s %10d bytes  wall %.3f s  user %.3f s\n' "$tool" "$(stat -c %s "$case_dir/$tool.pdf")" \
            "$(median_of 1 < "$case_dir/$tool.runs")" "$(median_of 2 < "$case_dir/$tool.runs")"
    done
}

print_load

case_dir="$work/copies"
mkdir -p "$case_dir/in"
inputs=""
for i in $(seq -w 20); do
    cp "$copy_source" "$case_dir/in/copy$i.pdf"
    inputs="$inputs $case_dir/in/copy$i.pdf"
done
echo "copies of $copy_source; pieces of: $*"
run_case copies

case_dir="$work/pieces"
mkdir -p "$case_dir/in"
inputs=""
count=0
while [ "$count" -lt 20 ]; do
    for source in "$@"; do
        [ "$count" -lt 20 ] || break
        total=$(qpdf --show-npages "$source")
        first=$(( (count * 3) % total + 1 ))
        last=$(( first + 2 > total ? total : first + 2 ))
        count=$((count + 1))
        piece="$case_dir/in/piece$(printf '%02d' "$count").pdf"
        qpdf --empty --pages "$source" "$first-$last" -- "$piece"
        inputs="$inputs $piece"
    done
done
run_case pieces
print_load
