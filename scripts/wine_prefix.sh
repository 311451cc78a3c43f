#!/usr/bin/env bash
# Wine for the end-to-end tests: no display, no debug output, the prefix inside the build
# folder, made on first use. Run it to prepare the prefix; source it to get $wine and the
# environment as well.
#
# Usage: wine_prefix.sh BUILD_DIR
build=$(realpath "$1")
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
export WINEPREFIX="$build/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX (first use only)..."
    "$wine" wineboot --init >/dev/null 2>&1
    "$(dirname "$wine")/wineserver" --wait 2>/dev/null || true
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "error: Wine could not make its prefix in $WINEPREFIX"; exit 1; }
