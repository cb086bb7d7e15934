#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./outils/preparer.sh
./outils/configurer.sh default
cmake --build --preset default -j"$(nproc)"
exec ./build/orvan "$@"
