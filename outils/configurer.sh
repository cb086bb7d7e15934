#!/usr/bin/env bash
# Configures a preset, through the compiler cache when there is one: a second build of the same
# sources (another checkout, another stage of CI) then compiles only what changed. Paths are taken
# relative to the checkout, so that any clone of the project shares the cache; precompiled
# headers and the build's own timestamps are safe to cache here.
set -euo pipefail
cd "$(dirname "$0")/.."
lanceur=()
if command -v ccache >/dev/null 2>&1; then
    cache="env;CCACHE_BASEDIR=$PWD;CCACHE_NOHASHDIR=true"
    cache+=";CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime;ccache"
    lanceur=("-DCMAKE_CXX_COMPILER_LAUNCHER=$cache" "-DCMAKE_C_COMPILER_LAUNCHER=$cache")
fi
cmake --preset "$1" "${lanceur[@]}" >/dev/null
