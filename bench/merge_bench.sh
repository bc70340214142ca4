#!/bin/sh
# Compares "sheafrun --merge" (no properties, no compression) with the other
# merging tools on this machine, all on the same inputs and side by side in
# every run: "qpdf --empty --pages ... --", pdfunite, and "mutool merge" when
# it is installed. Two cases:
#   text    50 documents of 100 pages of text that share one resource dictionary
#   images  20 documents of 50 pages, each page a full-page image of its own
#           (about 120 KB of incompressible data, as in a scan)
#
#   sh bench/merge_bench.sh [build folder] [runs] [text|images|all]
#
# For each tool it prints the median wall time, CPU time (user and system)
# and peak memory (maximum resident set size, from /usr/bin/time -v) with
# their spread (lowest to highest run), the size of what it wrote, and our ratios to
# pdfunite and qpdf. Our output must pass "qpdf --check" and keep every page.
# Targets: time <= pdfunite's (resolved below 1.3), peak memory <= qpdf's.
set -eu

build=${1:-build}
runs=${2:-5}
cases=${3:-all}
bin=$(cd "$build" && pwd)
sheafrun=$bin/bin/sheafrun
make_fixture=$bin/bench/make_fixture
[ -x "$sheafrun" ] && [ -x "$make_fixture" ] || { echo "build sheafrun and make_fixture first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The worker logs and caches under HOME and TMPDIR: keep them out of the user's.
export HOME="$work/home" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$TMPDIR"

tools="sheafrun qpdf pdfunite"
command -v mutool > /dev/null 2>&1 && tools="$tools mutool"

now() { date +%s.%N; }
calc() { awk "BEGIN { print $1 }"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
lowest() { sort -g | head -n 1; }
highest() { sort -g | tail -n 1; }
peak_kb() { sed -n 's/.*Maximum resident set size (kbytes): //p' "$1"; }
# User and system time together: steadier than wall time on a busy machine.
cpu_s() { awk -F': ' '/User time|System time/ { t += $2 } END { print t }' "$1"; }

run_case() {
    name=$1 documents=$2 pages=$3 image_bytes=$4
    case_dir="$work/$name"
    mkdir -p "$case_dir/in" "$case_dir/session"
    inputs=""
    for i in $(seq -w "$documents"); do
        if [ "$image_bytes" -gt 0 ]; then
            "$make_fixture" image-pdf "$case_dir/in/doc$i.pdf" "$pages" "$image_bytes"
        else
            "$make_fixture" pdf "$case_dir/in/doc$i.pdf" "$pages"
        fi
        inputs="$inputs $case_dir/in/doc$i.pdf"
    done
    # shellcheck disable=SC2086
    "$make_fixture" merge-request "$case_dir/session/bench.req" "$case_dir/sheafrun.pdf" "$case_dir/session" $inputs
    input_bytes=$(cat $inputs | wc -c)

    for tool in $tools; do : > "$case_dir/$tool.time"; : > "$case_dir/$tool.cpu"; : > "$case_dir/$tool.mem"; done
    for run in $(seq "$runs"); do
        for tool in $tools; do
            rm -f "$case_dir/$tool.pdf"
            start=$(now)
            merge_timed "$tool"
            end=$(now)
            calc "$end - $start" >> "$case_dir/$tool.time"
            peak_kb "$case_dir/time.txt" >> "$case_dir/$tool.mem"
            cpu_s "$case_dir/time.txt" >> "$case_dir/$tool.cpu"
        done
    done

    [ -s "$case_dir/sheafrun.pdf" ] || { echo "sheafrun wrote no merged file" >&2; exit 1; }
    [ ! -s "$case_dir/stdout.txt" ] || { echo "sheafrun printed on standard output during a merge" >&2; exit 1; }
    qpdf --check "$case_dir/sheafrun.pdf" > "$case_dir/check.txt" 2>&1 \
        || { echo "qpdf --check fails on our merged file:" >&2; tail -n 5 "$case_dir/check.txt" >&2; exit 1; }
    merged_pages=$(qpdf --show-npages "$case_dir/sheafrun.pdf")
    [ "$merged_pages" -eq $((documents * pages)) ] \
        || { echo "our merged file has $merged_pages pages, not $((documents * pages))" >&2; exit 1; }

    printf '%s: %d documents of %d pages, %d input bytes, %d runs, load average %s\n' \
        "$name" "$documents" "$pages" "$input_bytes" "$runs" "$(cut -d ' ' -f 1-3 /proc/loadavg)"
    for tool in $tools; do
        printf '  %-9s time %.3f s (%.3f-%.3f)  cpu %.3f s (%.3f-%.3f)  memory %6d KiB (%d-%d)  output %d bytes\n' "$tool" \
            "$(median < "$case_dir/$tool.time")" "$(lowest < "$case_dir/$tool.time")" "$(highest < "$case_dir/$tool.time")" \
            "$(median < "$case_dir/$tool.cpu")" "$(lowest < "$case_dir/$tool.cpu")" "$(highest < "$case_dir/$tool.cpu")" \
            "$(median < "$case_dir/$tool.mem")" "$(lowest < "$case_dir/$tool.mem")" "$(highest < "$case_dir/$tool.mem")" \
            "$(stat -c %s "$case_dir/$tool.pdf")"
    done
    ours=$(median < "$case_dir/sheafrun.time"); our_mem=$(median < "$case_dir/sheafrun.mem")
    our_cpu=$(median < "$case_dir/sheafrun.cpu")
    printf '  time ratio:   sheafrun / pdfunite %.2f (target <= 1.0, resolved below 1.3), sheafrun / qpdf %.2f\n' \
        "$(calc "$ours / $(median < "$case_dir/pdfunite.time")")" "$(calc "$ours / $(median < "$case_dir/qpdf.time")")"
    printf '  cpu ratio:    sheafrun / pdfunite %.2f, sheafrun / qpdf %.2f\n' \
        "$(calc "$our_cpu / $(median < "$case_dir/pdfunite.cpu")")" "$(calc "$our_cpu / $(median < "$case_dir/qpdf.cpu")")"
    printf '  memory ratio: sheafrun / qpdf %.2f (target <= 1.0), sheafrun / pdfunite %.2f\n' \
        "$(calc "$our_mem / $(median < "$case_dir/qpdf.mem")")" "$(calc "$our_mem / $(median < "$case_dir/pdfunite.mem")")"
}

# merge_timed TOOL: runs the tool under /usr/bin/time, which writes time.txt.
merge_timed() {
    case $1 in
    sheafrun) /usr/bin/time -v -o "$case_dir/time.txt" "$sheafrun" --merge "$case_dir/session/bench.req" \
                  > "$case_dir/stdout.txt" 2> /dev/null ;;
    # shellcheck disable=SC2086
    qpdf) /usr/bin/time -v -o "$case_dir/time.txt" qpdf --empty --pages $inputs -- "$case_dir/qpdf.pdf" ;;
    # shellcheck disable=SC2086
    pdfunite) /usr/bin/time -v -o "$case_dir/time.txt" pdfunite $inputs "$case_dir/pdfunite.pdf" ;;
    # shellcheck disable=SC2086
    mutool) /usr/bin/time -v -o "$case_dir/time.txt" mutool merge -o "$case_dir/mutool.pdf" $inputs ;;
    esac
}

case $cases in
text) run_case text 50 100 0 ;;
images) run_case images 20 50 120000 ;;
all) run_case text 50 100 0; run_case images 20 50 120000 ;;
*) echo "unknown case $cases: text, images or all" >&2; exit 2 ;;
esac
