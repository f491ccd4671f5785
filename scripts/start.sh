#!/usr/bin/env bash
# Sets up the machine, builds the program in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
exec build/bin/miv3x-curvegen "$@"
