#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
paquets=(build-essential cmake qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev
         nlohmann-json3-dev xvfb xauth desktop-file-utils appstream shared-mime-info)
# A compiler cache, for builds after the first.
paquets+=(ccache)
# The family's picture as SVG, and the face that the exported pictures are drawn in.
paquets+=(qt6-svg-dev fonts-dejavu-core)
# The face whose proportions the window's fixed layout was drawn for. Without it the window
# takes Nimbus Sans, of the same widths but slower to load (the program's start took a twentieth
# longer), or else DejaVu Sans, wider.
paquets+=(fonts-liberation2)
# Exact fractions for the probabilities.
paquets+=(libgmp-dev)
# The screen reader's check: a D-Bus session, the accessibility bus, its Python bindings, a
# window manager and a keyboard to press Enter with.
paquets+=(dbus dbus-x11 at-spi2-core python3-pyatspi openbox xdotool)
# The plots of the class statistics, and the chi-square distribution (header-only Boost.Math).
paquets+=(qt6-charts-dev libboost-dev)
"$(dirname "$0")/installe_paquets.sh" "${paquets[@]}"
