#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs the whole test suite headless.
# With --asan it builds and runs the AddressSanitizer + UndefinedBehaviorSanitizer preset.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=release
# The monkey test (random input for a minute) runs once, in the sanitizer pass.
labels=(-LE monkey)
[ "${1:-}" = "--asan" ] && preset=asan labels=()
bash scripts/install-deps.sh
# Lets ccache reuse compiles made in another checkout of the repository.
export CCACHE_BASEDIR="$PWD"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
# Tests that drive a real X server can be starved on a loaded two-core machine: a failed test
# runs once more before it counts.
ctest --preset "$preset" -j2 --repeat until-pass:2 "${labels[@]}"
