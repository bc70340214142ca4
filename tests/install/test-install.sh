#!/bin/sh
# Installs the build into a new prefix and uses it as a desktop would: the
# programs and translations in their places, a valid desktop entry and
# AppStream file, the icons at their sizes, the manual pages and the bash
# completion, cleavemark splitting from bin/; then starts the installed
# sheafdesk under Xvfb, sees its window and the translation it loaded, and
# hands it documents through the installed action launcher: to the running
# program, not while the action is switched off, and to a new program when
# the one that switched it off was killed.
#
#     test-install.sh <build folder> <project version>
#
# Runs inside tests/run-isolated.sh, so HOME, XDG folders and TMPDIR are the
# test's own.
set -u

fail() { echo "FAIL: $*" >&2; exit 1; }
ok() { echo "ok - $*"; }

# --- in the Xvfb session (the script starts itself again under xvfb-run) ---
if [ "${1:-}" = "--in-xvfb" ]; then
    prefix=$2
    program_dir="$prefix/lib/cleavemark"
    export QT_QPA_PLATFORM=xcb
    mkdir -p "$XDG_CONFIG_HOME/Tessaly"
    printf '[General]\nLanguage=de\n' > "$XDG_CONFIG_HOME/Tessaly/Tessaly Cleavemark.ini"

    registry="$XDG_CONFIG_HOME/Tessaly/Tessaly Cleavemark Registry.conf"
    set_merge_flag() { printf '[shell]\nadd_merge_enabled=%s\n' "$1" > "$registry"; }
    # The process that holds the single-instance lock (its first line).
    running_pid() { head -n 1 "$XDG_RUNTIME_DIR"/single-*.lock 2>/dev/null; }
    list_files() { ls "$TMPDIR" | grep '^cleavemark-.*\.list$'; }
    # Runs the merge action and waits until the list is taken over and the
    # log holds <count> starts with "-merge_add".
    merge_action() {
        "$program_dir/sheafdesk-action" --merge "$document" || fail "sheafdesk-action failed"
        for _ in $(seq 1 40); do
            [ "$(grep -c "Input args:'-merge_add|$TMPDIR/cleavemark-" "$log")" -eq "$2" ] \
                && [ -z "$(list_files)" ] && return 0
            sleep 0.25
        done
        cat "$log"
        fail "the merge action did not reach $1"
    }

    "$prefix/bin/sheafdesk" > "$TMPDIR/sheafdesk.out" 2>&1 &
    pid=$!
    trap 'kill $pid 2>/dev/null; kill "$(running_pid)" 2>/dev/null' EXIT

    # The main window, titled "Cleavemark", comes after the three-second
    # splash screen: 703 x 466, as a bare X server has no compositing manager
    # for the 20-pixel shadow around it.
    window=""
    for _ in $(seq 1 60); do
        kill -0 $pid 2>/dev/null || { cat "$TMPDIR/sheafdesk.out"; fail "sheafdesk ended at start"; }
        window=$(xwininfo -root -tree | grep '"Cleavemark": ("sheafdesk"' | grep ' 703x466+')
        [ -n "$window" ] && break
        sleep 0.5
    done
    [ -n "$window" ] || { xwininfo -root -tree; fail "no main window of the installed sheafdesk"; }
    ok "the installed sheafdesk shows its window: $(echo "$window" | sed 's/^ *//')"

    log=$(ls "${XDG_STATE_HOME:-$HOME/.local/state}/cleavemark/log/"log_*.txt 2>/dev/null | head -n 1)
    [ -f "$log" ] || fail "sheafdesk wrote no log"
    grep -A1 -F "Load translation: $program_dir/translations/sheafdesk_de.qm" "$log" \
        | grep -q "Result: true" \
        || { cat "$log"; fail "the installed German translation was not loaded"; }
    ok "the installed translation was found and loaded"

    # The installed action launcher starts sheafdesk, whose start hands the
    # list to the running instance; that one reads the list and deletes it.
    document="$TMPDIR/Zwei Wörter – März.pdf"
    : > "$document"
    merge_action "the running sheafdesk" 1
    kill -0 $pid 2>/dev/null || fail "the first sheafdesk ended"
    ok "the installed merge action reached the running sheafdesk"

    # While the program merges, it switches the merge action off.
    set_merge_flag 0
    "$program_dir/sheafdesk-action" --merge "$document" || fail "sheafdesk-action failed"
    sleep 1
    [ "$(grep -c "Input args:'-merge_add" "$log")" -eq 1 ] && [ -z "$(list_files)" ] \
        || fail "the switched-off merge action started sheafdesk"
    ok "the switched-off merge action started nothing"

    # A sheafdesk killed during a merge leaves the flag off; the action goes
    # on all the same and starts a new sheafdesk.
    kill -KILL $pid
    wait $pid 2>/dev/null
    merge_action "a new sheafdesk after the first was killed" 2
    new_pid=$(running_pid)
    [ -n "$new_pid" ] && [ "$new_pid" != "$pid" ] && kill -0 "$new_pid" \
        || fail "no new sheafdesk runs"
    ok "after sheafdesk was killed, the merge action starts a new one"
    exit 0
fi

# --- install and check the files ---
build=$1
version=$2
prefix="$TMPDIR/prefix"
program_dir="$prefix/lib/cleavemark"
share="$prefix/share"
app_id=com.tessaly.Cleavemark

cmake --install "$build" --prefix "$prefix" > "$TMPDIR/install.log" 2>&1 \
    || { cat "$TMPDIR/install.log"; fail "cmake --install"; }

for program in sheafdesk sheafrun sheafrender sheafdesk-action cleavemark; do
    [ -x "$program_dir/$program" ] || fail "$program_dir/$program is missing"
done
for language in en de fr; do
    [ -s "$program_dir/translations/sheafdesk_$language.qm" ] || fail "no $language translation"
done
for program in sheafdesk cleavemark; do
    [ -L "$prefix/bin/$program" ] || fail "bin/$program is not a link"
    [ "$(readlink -f "$prefix/bin/$program")" = "$(readlink -f "$program_dir/$program")" ] \
        || fail "bin/$program links elsewhere: $(readlink "$prefix/bin/$program")"
done
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "cleavemark sheafdesk " ] \
    || fail "bin/ holds more than cleavemark and sheafdesk: $(ls "$prefix/bin")"
ok "programs and translations in lib/cleavemark, sheafdesk and cleavemark linked into bin"

# Asked for help, each program answers on standard output, without a
# display and without a log line.
for program in "$prefix/bin/sheafdesk" "$prefix/bin/cleavemark" "$program_dir/sheafrun" \
               "$program_dir/sheafrender"; do
    name=$(basename "$program")
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --help 2> "$TMPDIR/help.err") \
        || fail "$name --help failed: $(cat "$TMPDIR/help.err")"
    echo "$help" | head -n 1 | grep -q "^Usage: $name" || fail "$name --help: $help"
    [ ! -s "$TMPDIR/help.err" ] || fail "$name --help wrote to standard error: $(cat "$TMPDIR/help.err")"
done
[ "$(env -u DISPLAY "$prefix/bin/sheafdesk" --version)" = "sheafdesk $version" ] || fail "sheafdesk --version"
[ "$("$prefix/bin/cleavemark" --version)" = "cleavemark $version" ] || fail "cleavemark --version"
"$program_dir/sheafrun" > /dev/null 2> "$TMPDIR/usage.err"
[ $? -eq 1 ] && grep -q "^Usage: sheafrun" "$TMPDIR/usage.err" || fail "sheafrun without arguments"
ok "--help and --version of every program, without a display"

# The installed command, started through its link in bin/, finds the worker
# beside itself. qpdf repairs the hand-written document's missing xref table.
cat > "$TMPDIR/hand.pdf" <<'PDF'
%PDF-1.4
1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj
2 0 obj << /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >> endobj
3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >> endobj
4 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >> endobj
trailer << /Root 1 0 R /Size 5 >>
%%EOF
PDF
qpdf "$TMPDIR/hand.pdf" "$TMPDIR/two.pdf" 2> /dev/null; [ -s "$TMPDIR/two.pdf" ] || fail "no test document"
mkdir -p "$TMPDIR/pieces"
"$prefix/bin/cleavemark" split "$TMPDIR/two.pdf" -o "$TMPDIR/pieces" > "$TMPDIR/pieces.out" \
    || fail "the installed cleavemark could not split"
[ "$(ls "$TMPDIR/pieces" | tr '\n' ' ')" = "two_p1.pdf two_p2.pdf " ] || fail "pieces: $(ls "$TMPDIR/pieces")"
[ "$(qpdf --show-npages "$TMPDIR/pieces/two_p2.pdf")" = 1 ] || fail "the piece is no one-page PDF"
ok "the installed cleavemark splits through the installed worker"

# Both manual pages render, without a warning from groff.
for page in cleavemark sheafdesk; do
    file="$share/man/man1/$page.1.gz"
    [ -f "$file" ] || fail "no manual page $file"
    rendered=$(MANWIDTH=80 man --warnings -l "$file" 2> "$TMPDIR/man.err") || fail "man -l $file"
    [ ! -s "$TMPDIR/man.err" ] || fail "man -l $file: $(cat "$TMPDIR/man.err")"
    echo "$rendered" | grep -q "^NAME" && echo "$rendered" | grep -q "^ *$page - " \
        || fail "man -l $file rendered no NAME section"
done
MANWIDTH=80 man -l "$share/man/man1/cleavemark.1.gz" | grep -q "^EXIT STATUS" || fail "no exit codes in cleavemark(1)"
ok "man -l renders cleavemark(1) and sheafdesk(1)"

completion="$share/bash-completion/completions/cleavemark"
[ -f "$completion" ] || fail "no bash completion at $completion"
bash -n "$completion" || fail "the bash completion does not parse"
# With stand-ins for bash-completion's helpers, the completion offers the
# commands, then a command's options.
words=$(bash -c '_init_completion() { cur=${COMP_WORDS[COMP_CWORD]}; prev=${COMP_WORDS[COMP_CWORD-1]}
                                      words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; }
                 _filedir() { :; }
                 . "$1"
                 COMP_WORDS=(cleavemark s); COMP_CWORD=1; _cleavemark; echo "${COMPREPLY[*]}"
                 COMP_WORDS=(cleavemark merge --al); COMP_CWORD=2; _cleavemark; echo "${COMPREPLY[*]}"' \
             sh "$completion")
[ "$words" = "split
--alternate" ] || fail "the bash completion offers: $words"
ok "the bash completion is where bash-completion looks, and completes"

for size in 16 24 32 48 64 128 256 512; do
    png="$share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png: $(file -b "$png")"
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$app_id.svg" || fail "no scalable icon"
ok "icons in hicolor: scalable and 8 PNG sizes"

entry="$share/applications/$app_id.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
for line in "Name=Cleavemark" "Icon=$app_id" "MimeType=application/pdf;" "Actions=split;merge;" \
            "Name=Split with Cleavemark" "Name=Merge with Cleavemark" \
            "Exec=$prefix/bin/sheafdesk %F" \
            "Exec=$program_dir/sheafdesk-action --split %F" \
            "Exec=$program_dir/sheafdesk-action --merge %F"; do
    grep -qxF "$line" "$entry" || { cat "$entry"; fail "the desktop entry lacks '$line'"; }
done
ok "the desktop entry validates and starts the installed programs"

metainfo="$share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" || fail "no release $version"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not name the desktop entry"
grep -q "<binary>cleavemark</binary>" "$metainfo" || fail "the metainfo does not name the cleavemark command"
ok "the AppStream metadata validates"

command -v xvfb-run > /dev/null || fail "xvfb-run is missing (scripts/install-deps.sh)"
xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" sh "$0" --in-xvfb "$prefix" \
    || fail "the installed program under Xvfb"
