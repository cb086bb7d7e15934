#!/usr/bin/env bash
# The screen reader's view of the program: started on a saved family under its own X server,
# D-Bus session and accessibility bus, the program shows each individual under the name the
# expected list gives, and Enter on an individual opens the phenotype panel, read out as well.
set -euo pipefail
orvan="$1"
famille="$2"
noms="$3"
ici="$(cd "$(dirname "$0")" && pwd)"

if [ "${ORVAN_DANS_XVFB:-}" != 1 ]; then
    # Our own display and bus, whatever the machine has: CI has neither.
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
    export ORVAN_DANS_XVFB=1
    exec xvfb-run -a -s '-screen 0 1280x1024x24' \
        dbus-run-session -- "$0" "$@"
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export XDG_CONFIG_HOME="$(mktemp -d)"
# The recovery copy of the family goes with the rest, not into the user's own data folder.
export XDG_DATA_HOME="$XDG_CONFIG_HOME/donnees"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT
# The bus the screen reader and the program meet on.
for lanceur in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$lanceur" ] && { "$lanceur" --launch-immediately & break; }
done
openbox >/dev/null 2>&1 &
sleep 1
"$orvan" "$famille" >"$XDG_CONFIG_HOME/orvan.log" 2>&1 &
# The bindings are the distribution's: its own interpreter has them.
python=python3
[ -x /usr/bin/python3 ] && python=/usr/bin/python3
"$python" "$ici/accessibilite_atspi.py" "$noms" "$(basename "$orvan")"
