# Helpers of the benchmark scripts, sourced by them. A run's figures are one
# line written by bench/timed: wall, user and system seconds, peak KiB.

calc() { awk "BEGIN { print $1 }"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
spread() { sort -g | awk 'NR == 1 { low = $1 } { high = $1 } END { printf "%.3f-%.3f", low, high }'; }
folder_size() { find "$1" -type f -name '*.pdf' -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }'; }

# The median of one column of a figures file on standard input.
median_of() { awk -v c="$1" '{ print $c }' | median; }
spread_of() { awk -v c="$1" '{ print $c }' | spread; }
# User and system time together.
cpu_median() { awk '{ print $2 + $3 }' | median; }

# print_times NAME FILE: the medians and spreads of one tool's runs.
print_times() {
    printf '  %-9s wall %.3f s (%s)  user %.3f s (%s)  system %.3f s (%s)  memory %d KiB\n' "$1" \
        "$(median_of 1 < "$2")" "$(spread_of 1 < "$2")" \
        "$(median_of 2 < "$2")" "$(spread_of 2 < "$2")" \
        "$(median_of 3 < "$2")" "$(spread_of 3 < "$2")" \
        "$(median_of 4 < "$2")"
}

# The load average, with a warning when other work competes for the machine.
print_load() {
    load=$(cut -d ' ' -f 1-3 /proc/loadavg)
    printf 'load average %s (1, 5, 15 minutes), %d processors\n' "$load" "$(nproc)"
    if [ "$(awk -v l="${load%% *}" 'BEGIN { print (l > 1.0) ? 1 : 0 }')" -eq 1 ]; then
        echo "warning: load average above 1.0: other work competes for the processors, the times are not reliable"
    fi
}

# bench_setup BUILD: the build's programs in $sheafrun, $make_fixture and
# $timed, and a scratch folder $work, removed at exit. The worker logs and
# caches under HOME, XDG_STATE_HOME and TMPDIR: they point into $work, out
# of the user's.
bench_setup() {
    bin=$(cd "$1" && pwd)
    sheafrun=$bin/bin/sheafrun
    make_fixture=$bin/bench/make_fixture
    timed=$bin/bench/timed
    [ -x "$sheafrun" ] && [ -x "$make_fixture" ] && [ -x "$timed" ] \
        || { echo "build sheafrun, make_fixture and timed first" >&2; exit 1; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export HOME="$work/home" XDG_STATE_HOME="$work/state" TMPDIR="$work/tmp"
    mkdir -p "$HOME" "$XDG_STATE_HOME" "$TMPDIR"
}
