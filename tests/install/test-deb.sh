#!/bin/sh
# Builds the Debian package with CPack from the install rules and checks what
# apt would install: name, version, architecture and library dependencies,
# exactly the expected files below /usr, a desktop entry for /usr and
# stripped programs; and that lintian finds no error and no warning in it.
#
#     test-deb.sh <build folder> <project version>
#
# Installing it for real (apt install ./cleavemark_*.deb) is left to a
# person or a throw-away system: see README.md.
set -u

fail() { echo "FAIL: $*" >&2; exit 1; }
ok() { echo "ok - $*"; }

build=$1
version=$2
out="$TMPDIR/package"
arch=$(dpkg --print-architecture)
deb="$out/cleavemark_${version}_$arch.deb"

cpack --config "$build/CPackConfig.cmake" -B "$out" > "$TMPDIR/cpack.log" 2>&1 \
    || { cat "$TMPDIR/cpack.log"; fail "cpack"; }
[ -f "$deb" ] || { ls "$out"; fail "no $deb"; }

[ "$(dpkg-deb -f "$deb" Package)" = cleavemark ] || fail "package name: $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version: $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "architecture"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt5widgets5 libqt5network5 libqt5dbus5 libqpdf libpoppler-qt5-1 libstdc++6; do
    echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done
ok "cleavemark $version for $arch, depending on $depends"

listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected=$(sort <<LIST
./usr/bin/cleavemark
./usr/bin/sheafdesk
./usr/lib/cleavemark/cleavemark
./usr/lib/cleavemark/sheafdesk
./usr/lib/cleavemark/sheafdesk-action
./usr/lib/cleavemark/sheafrender
./usr/lib/cleavemark/sheafrun
./usr/lib/cleavemark/translations/sheafdesk_de.qm
./usr/lib/cleavemark/translations/sheafdesk_en.qm
./usr/lib/cleavemark/translations/sheafdesk_fr.qm
./usr/share/applications/com.tessaly.Cleavemark.desktop
./usr/share/bash-completion/completions/cleavemark
./usr/share/doc/cleavemark/changelog.gz
./usr/share/doc/cleavemark/copyright
./usr/share/icons/hicolor/128x128/apps/com.tessaly.Cleavemark.png
./usr/share/icons/hicolor/16x16/apps/com.tessaly.Cleavemark.png
./usr/share/icons/hicolor/24x24/apps/com.tessaly.Cleavemark.png
./usr/share/icons/hicolor/256x256/apps/com.tessaly.Cleavemark.png
./usr/share/icons/hicolor/32x32/apps/com.tessaly.Cleavemark.png
./usr/share/icons/hicolor/48x48/apps/com.tessaly.Cleavemark.png
./usr/share/icons/hicolor/512x512/apps/com.tessaly.Cleavemark.png
./usr/share/icons/hicolor/64x64/apps/com.tessaly.Cleavemark.png
./usr/share/icons/hicolor/scalable/apps/com.tessaly.Cleavemark.svg
./usr/share/man/man1/cleavemark.1.gz
./usr/share/man/man1/sheafdesk.1.gz
./usr/share/metainfo/com.tessaly.Cleavemark.metainfo.xml
LIST
)
[ "$listed" = "$expected" ] || {
    echo "$listed" > "$TMPDIR/listed"; echo "$expected" > "$TMPDIR/expected"
    diff "$TMPDIR/expected" "$TMPDIR/listed"; fail "the package holds other files than expected"; }
for program in sheafdesk cleavemark; do
    dpkg-deb -c "$deb" | grep -q "^l.* \./usr/bin/$program -> \.\./lib/cleavemark/$program\$" \
        || fail "/usr/bin/$program is not a link to the program"
done
ok "exactly the expected files below /usr"

root="$TMPDIR/root"
dpkg-deb -x "$deb" "$root"
entry="$root/usr/share/applications/com.tessaly.Cleavemark.desktop"
for line in "Exec=/usr/bin/sheafdesk %F" \
            "Exec=/usr/lib/cleavemark/sheafdesk-action --split %F" \
            "Exec=/usr/lib/cleavemark/sheafdesk-action --merge %F"; do
    grep -qxF "$line" "$entry" || { cat "$entry"; fail "the packaged desktop entry lacks '$line'"; }
done
if grep -rl "_CPack_Packages\|$TMPDIR" "$root"; then
    fail "files name the folder the package was staged in"
fi
ok "the desktop entry names the programs below /usr"

for program in sheafdesk sheafrun sheafrender sheafdesk-action cleavemark; do
    file -b "$root/usr/lib/cleavemark/$program" | grep -q ', stripped' \
        || fail "$program is not stripped: $(file -b "$root/usr/lib/cleavemark/$program")"
done
ok "the programs are stripped"

# Informational tags are shown, to be looked at; an error or a warning fails.
if command -v lintian > /dev/null; then
    lintian --info --display-info --fail-on error,warning "$deb" > "$TMPDIR/lintian.log" 2>&1
    status=$?
    cat "$TMPDIR/lintian.log"
    [ $status -eq 0 ] || fail "lintian found errors or warnings"
    ok "lintian: no error, no warning"
else
    echo "SKIP: lintian is not installed (scripts/install-deps.sh installs it)"
fi
