#!/usr/bin/env bash
# Builds the release build in build/ and runs the main job of vtss.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVTSS_TESTS=OFF -DVTSS_BENCH=OFF >/dev/null
cmake --build "$root/build" --target vtss
"$root/build/vtss" evaluate
