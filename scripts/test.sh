#!/bin/sh
# Sets up, builds and runs the whole test suite through CTest.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" --tests
cd "$top/build"
exec ctest --output-on-failure --timeout 600 -j "$(nproc)"
