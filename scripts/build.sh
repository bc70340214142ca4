#!/bin/sh
# Installs what is missing, then configures and builds into build/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build" -j "$(nproc)"
