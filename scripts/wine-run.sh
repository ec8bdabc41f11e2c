#!/usr/bin/env bash
# Runs a Windows program under Wine, in the Wine prefix WINEPREFIX names
# (scripts/test-on-wine.sh makes a fresh one), with no Mono or Gecko
# prompts. ctest runs the Windows test programs through this
# (CMAKE_CROSSCOMPILING_EMULATOR).
set -euo pipefail
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEDEBUG="${WINEDEBUG:--all}"
# Debian 12's wine launcher wants the 32-bit half, which a 64-bit program
# does not need; Debian 13's runs both.
if [ -x /usr/lib/wine/wine64 ]; then
    exec /usr/lib/wine/wine64 "$@"
fi
exec wine "$@"
