#!/bin/sh
# Sets up, builds and runs the whole test suite through CTest.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" --tests
cd "$top/build"
# Many tests spend much of their time waiting for the programs they start,
# so one more test than there are processors keeps the processors busy.
exec ctest --output-on-failure --timeout 600 -j "$(($(nproc) + 1))"
