#!/usr/bin/env bash
# Builds the program and runs the whole test suite. Pass "sanitize" to build and test under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
./outils/preparer.sh
./outils/configurer.sh "$preset"
cmake --build --preset "$preset" -j"$(nproc)"
# The browser's build, whose dumps a test compares with the program's, and chromium, in which a
# test plays a pupil's session in the page.
if [ "$preset" = default ]; then ./outils/web.sh; fi
ctest --preset "$preset" -j"$(nproc)"
