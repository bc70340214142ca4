#!/bin/sh
# Compares "sheafrun --merge" (no properties, no compression) with the other
# merging tools on this machine, all on the same inputs and side by side in
# every run: "qpdf --empty --pages ... --", pdfunite, and "mutool merge" when
# it is installed. Three cases:
#   text    50 documents of 100 pages of text that share one resource
#           dictionary, written by qpdf
#   plain   the same, written object by object the way simple producers do
#           (one shared resource dictionary with one Type 1 font, one
#           compressed content stream per page)
#   images  20 documents of 50 pages, each page a full-page image of its own
#           (about 120 KB of incompressible data, as in a scan)
#
#   sh bench/merge_bench.sh [build folder] [runs] [text|plain|images|all]
#
# Prints the load average first (it warns above 1.0: a busy machine makes
# the figures worthless). For each tool it prints the median wall, user and
# system time and peak memory (maximum resident set size) with their spread
# (lowest to highest run), the size of what it wrote, and our ratios to
# pdfunite and qpdf. Our output must pass "qpdf --check" and keep every page.
# Targets: time <= pdfunite's, peak memory <= qpdf's.
set -eu

build=${1:-build}
runs=${2:-5}
cases=${3:-all}
. "$(dirname "$0")/bench_common.sh"
bench_setup "$build"

tools="sheafrun qpdf pdfunite"
command -v mutool > /dev/null 2>&1 && tools="$tools mutool"

run_case() {
    name=$1 maker=$2 documents=$3 pages=$4 image_bytes=$5
    case_dir="$work/$name"
    mkdir -p "$case_dir/in" "$case_dir/session"
    inputs=""
    for i in $(seq -w "$documents"); do
        case $maker in
        images) "$make_fixture" image-pdf "$case_dir/in/doc$i.pdf" "$pages" "$image_bytes" ;;
        qpdf) "$make_fixture" pdf "$case_dir/in/doc$i.pdf" "$pages" ;;
        plain) "$make_fixture" plain-pdf "$case_dir/in/doc$i.pdf" "$pages" ;;
        esac
        inputs="$inputs $case_dir/in/doc$i.pdf"
    done
    # shellcheck disable=SC2086
    "$make_fixture" merge-request "$case_dir/session/bench.req" "$case_dir/sheafrun.pdf" "$case_dir/session" $inputs
    input_bytes=$(cat $inputs | wc -c)

    for tool in $tools; do : > "$case_dir/$tool.runs"; done
    for run in $(seq "$runs"); do
        for tool in $tools; do
            rm -f "$case_dir/$tool.pdf"
            merge_timed "$tool"
            cat "$case_dir/time.txt" >> "$case_dir/$tool.runs"
        done
    done

    [ -s "$case_dir/sheafrun.pdf" ] || { echo "sheafrun wrote no merged file" >&2; exit 1; }
    [ ! -s "$case_dir/stdout.txt" ] || { echo "sheafrun printed on standard output during a merge" >&2; exit 1; }
    qpdf --check "$case_dir/sheafrun.pdf" > "$case_dir/check.txt" 2>&1 \
        || { echo "qpdf --check fails on our merged file:" >&2; tail -n 5 "$case_dir/check.txt" >&2; exit 1; }
    merged_pages=$(qpdf --show-npages "$case_dir/sheafrun.pdf")
    [ "$merged_pages" -eq $((documents * pages)) ] \
        || { echo "our merged file has $merged_pages pages, not $((documents * pages))" >&2; exit 1; }

    printf '%s: %d documents of %d pages, %d input bytes, %d runs\n' \
        "$name" "$documents" "$pages" "$input_bytes" "$runs"
    for tool in $tools; do
        print_times "$tool" "$case_dir/$tool.runs"
        printf '            output %d bytes\n' "$(stat -c %s "$case_dir/$tool.pdf")"
    done
    ours=$(median_of 1 < "$case_dir/sheafrun.runs"); our_mem=$(median_of 4 < "$case_dir/sheafrun.runs")
    our_cpu=$(cpu_median < "$case_dir/sheafrun.runs")
    printf '  time ratio:   sheafrun / pdfunite %.2f (target <= 1.0), sheafrun / qpdf %.2f\n' \
        "$(calc "$ours / $(median_of 1 < "$case_dir/pdfunite.runs")")" \
        "$(calc "$ours / $(median_of 1 < "$case_dir/qpdf.runs")")"
    printf '  cpu ratio:    sheafrun / pdfunite %.2f, sheafrun / qpdf %.2f (user + system)\n' \
        "$(calc "$our_cpu / $(cpu_median < "$case_dir/pdfunite.runs")")" \
        "$(calc "$our_cpu / $(cpu_median < "$case_dir/qpdf.runs")")"
    printf '  memory ratio: sheafrun / qpdf %.2f (target <= 1.0), sheafrun / pdfunite %.2f\n' \
        "$(calc "$our_mem / $(median_of 4 < "$case_dir/qpdf.runs")")" \
        "$(calc "$our_mem / $(median_of 4 < "$case_dir/pdfunite.runs")")"
}

# merge_timed TOOL: runs the tool under bench/timed, which writes time.txt.
merge_timed() {
    case $1 in
    sheafrun) "$timed" "$case_dir/time.txt" "$sheafrun" --merge "$case_dir/session/bench.req" \
                  > "$case_dir/stdout.txt" 2> /dev/null ;;
    # shellcheck disable=SC2086
    qpdf) "$timed" "$case_dir/time.txt" qpdf --empty --pages $inputs -- "$case_dir/qpdf.pdf" ;;
    # shellcheck disable=SC2086
    pdfunite) "$timed" "$case_dir/time.txt" pdfunite $inputs "$case_dir/pdfunite.pdf" ;;
    # shellcheck disable=SC2086
    mutool) "$timed" "$case_dir/time.txt" mutool merge -o "$case_dir/mutool.pdf" $inputs ;;
    esac
}

print_load
case $cases in
text) run_case text qpdf 50 100 0 ;;
plain) run_case plain plain 50 100 0 ;;
images) run_case images images 20 50 120000 ;;
all) run_case text qpdf 50 100 0; run_case plain plain 50 100 0; run_case images images 20 50 120000 ;;
*) echo "unknown case $cases: text, plain, images or all" >&2; exit 2 ;;
esac
print_load
