#!/bin/sh
# Runs one test program with a private home, XDG folders and temp folder,
# removed again afterwards, so tests never see or change the user's own files.
set -u
sandbox=$(mktemp -d "${CLEAVEMARK_TEST_ROOT:-/tmp}/cleavemark-test.XXXXXX") || exit 1
mkdir -p "$sandbox/home" "$sandbox/config" "$sandbox/data" "$sandbox/cache" \
         "$sandbox/state" "$sandbox/runtime" "$sandbox/tmp"
chmod 700 "$sandbox/runtime"
export HOME="$sandbox/home"
export XDG_CONFIG_HOME="$sandbox/config"
export XDG_DATA_HOME="$sandbox/data"
export XDG_CACHE_HOME="$sandbox/cache"
export XDG_STATE_HOME="$sandbox/state"
export XDG_RUNTIME_DIR="$sandbox/runtime"
export TMPDIR="$sandbox/tmp"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$@"
status=$?
rm -rf "$sandbox"
exit $status
