#!/bin/sh
# Installs a Cleavemark .deb into a fresh, minimal Debian 12 system and
# removes it again, as a new user's machine would see it:
#
#     sudo sh scripts/check-deb.sh build/cleavemark_<version>_amd64.deb
#
# Makes the system with debootstrap (apt-get install debootstrap) in a
# temporary folder, which it deletes at the end; needs root and Debian's
# package mirror. Checks that "apt install ./<deb>" brings every library the
# programs need, that every packaged file lands, that "apt purge" leaves none
# of them behind, and that dpkg knows the package no more.
set -eu

deb=$(readlink -f "$1")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
[ -f "$deb" ] || { echo "no such package: $1" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap and chroot need it)" >&2; exit 2; }
command -v debootstrap > /dev/null || { echo "apt-get install debootstrap" >&2; exit 2; }

root=$(mktemp -d "${TMPDIR:-/tmp}/debian12.XXXXXX")
chmod 755 "$root"   # apt downloads as its own user
cleanup() {
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT

echo "== debootstrap bookworm into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" > "$root.log" 2>&1 \
    || { tail -20 "$root.log"; exit 1; }
rm -f "$root.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"
package=/tmp/$(basename "$deb")

in_root() { chroot "$root" /usr/bin/env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 sh -euc "$1"; }

echo "== apt install ./$(basename "$deb")"
in_root "apt-get update -q > /dev/null && apt-get install -y -q $package > /tmp/install.log 2>&1 \
         || { tail -20 /tmp/install.log; exit 1; }"
in_root 'grep "newly installed" /tmp/install.log | sed "s/^/   /"'
in_root 'dpkg -s cleavemark | grep -q "^Status: install ok installed"'
in_root 'dpkg -L cleavemark > /tmp/files'
in_root 'missing=0; while read -r f; do [ -e "$f" ] || { echo "missing: $f"; missing=1; }; done < /tmp/files; exit $missing'
in_root 'for p in sheafdesk sheafrun sheafdesk-action cleavemark; do
             if ldd /usr/lib/cleavemark/$p | grep "not found"; then echo "$p lacks a library"; exit 1; fi
         done'
in_root '/usr/lib/cleavemark/sheafdesk-action --version'
in_root 'cleavemark --version && sheafdesk --version'
in_root 'readlink -f /usr/bin/sheafdesk | grep -qx /usr/lib/cleavemark/sheafdesk'
# The desktop program starts with what the package brought (drawing
# off screen: the fresh system has no display) and finds its translations.
in_root 'printf "[General]\nLanguage=fr\n" > /tmp/settings.ini
         mkdir -p "/root/.config/Tessaly" && cp /tmp/settings.ini "/root/.config/Tessaly/Tessaly Cleavemark.ini"
         status=0; QT_QPA_PLATFORM=offscreen timeout 8 sheafdesk > /tmp/run.log 2>&1 || status=$?
         [ $status -eq 124 ] || { cat /tmp/run.log; echo "sheafdesk ended with $status"; exit 1; }
         grep -A1 "Load translation: /usr/lib/cleavemark/translations/sheafdesk_fr.qm" \
             "${XDG_STATE_HOME:-$HOME/.local/state}"/cleavemark/log/log_*.txt | grep -q "Result: true"'
echo "   $(in_root 'wc -l < /tmp/files') paths installed, every program finds its libraries,"
echo "   sheafdesk starts and loads its French translation"

echo "== apt purge cleavemark"
in_root 'apt-get purge -y -q cleavemark > /tmp/purge.log 2>&1 || { tail -20 /tmp/purge.log; exit 1; }'
in_root 'if dpkg -s cleavemark > /dev/null 2>&1; then echo "dpkg still knows cleavemark"; exit 1; fi'
in_root 'left=0; while read -r f; do
             if [ -e "$f" ] && [ ! -d "$f" ]; then echo "left behind: $f"; left=1; fi
         done < /tmp/files
         [ ! -e /usr/lib/cleavemark ] || { echo "left behind: /usr/lib/cleavemark"; left=1; }
         exit $left'
echo "== installed and removed cleanly"
