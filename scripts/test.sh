#!/usr/bin/env bash
# Sets up the machine, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/, and runs every test through CTest (each test
# in its own process), then every test program once more in one process, shuffled, and each
# fuzz target once over its corpus (scripts/fuzz.sh, a clang build in build-fuzz/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build-test -DCMAKE_BUILD_TYPE=Debug -DMIV_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j "$(nproc)"
find build-test/bin -maxdepth 1 -name '*_tests' -type f -print0 |
  xargs -0 -n 1 -P "$(nproc)" bash scripts/shuffled.sh
bash scripts/fuzz.sh
