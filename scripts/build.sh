#!/bin/sh
# Installs what is missing, then configures and builds into build/.
#
#     build.sh            the programs alone
#     build.sh --tests    the programs, the test programs and the benchmarks
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
testing=OFF
[ "${1:-}" = "--tests" ] && testing=ON
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$testing
cmake --build "$top/build" -j "$(nproc)"
