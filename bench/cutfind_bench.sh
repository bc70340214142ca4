#!/bin/sh
# Finding cuts in scanned stacks, as cleavemark split --at-blank and
# --at-text do, without the split that follows: every page goes through the
# renderer program, one after the other. Three cases:
#   scanned  blank pages among PAGES scanned sheets (300 dpi grey JPEG, one
#            image a page, every eighth sheet blank with specks); target
#            <= 20 s for 1,000 pages
#   text     blank pages among PAGES pages of text (40 lines each, as office
#            documents are); target <= 10 s for 1,000 pages
#   search   a phrase in the text of the same PAGES pages; target <= 5 s
#
#   sh bench/cutfind_bench.sh [build folder] [runs] [pages]
#
# Prints the load average first and last (it warns above 1.0: a busy machine
# makes the figures worthless), then for each case the median wall, user and
# system time with their spread (lowest to highest run), the peak memory of
# the largest process, and what was found; a run that finds other than what
# the stack holds stops the benchmark.
set -eu

build=${1:-build}
runs=${2:-5}
pages=${3:-1000}
. "$(dirname "$0")/bench_common.sh"
bench_setup "$build"
cutfind=$bin/bench/cutfind_bench
[ -x "$cutfind" ] && [ -x "$bin/bench/sheafrender" ] || { echo "build cutfind_bench first" >&2; exit 1; }

"$make_fixture" scan-pdf "$work/scanned.pdf" "$pages"
"$make_fixture" plain-pdf "$work/text.pdf" "$pages"
middle=$(( (pages + 1) / 2 ))
blank_sheets=$(( (pages + 7) / 8 ))

# run_case NAME EXPECTED DOCUMENT WAY [PHRASE]
run_case() {
    name=$1 expected=$2
    shift 2
    : > "$work/$name.runs"
    for run in $(seq "$runs"); do
        "$timed" "$work/time.txt" "$cutfind" "$@" > "$work/found.txt"
        cat "$work/time.txt" >> "$work/$name.runs"
        found=$(cat "$work/found.txt")
        case $found in
        "$expected") ;;
        *) echo "$name: found \"$found\", not \"$expected\"" >&2; exit 1 ;;
        esac
    done
    printf '%s: %s (%d runs, %s)\n' "$name" "$found" "$runs" "$(stat -c %s "$1" | awk '{ printf "%.1f MB", $1 / 1e6 }')"
    print_times cutfind "$work/$name.runs"
}

print_load
run_case scanned "$pages pages: $blank_sheets blank, 0 with the phrase, $pages without text, 0 unreadable" \
    "$work/scanned.pdf" blank
run_case text "$pages pages: 0 blank, 0 with the phrase, $pages without text, 0 unreadable" "$work/text.pdf" blank
run_case search "$pages pages: 0 blank, 1 with the phrase, 0 without text, 0 unreadable" \
    "$work/text.pdf" text "Page $middle"
echo "targets for 1,000 pages: scanned <= 20 s, text <= 10 s, search <= 5 s (median wall)"
print_load
