#!/bin/sh
# Sets up, builds and starts the desktop program.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
exec "$top/build/bin/sheafdesk" "$@"
