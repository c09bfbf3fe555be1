# Sourced by wine-run and the Wine test scripts: wine_env ARCH points Wine at the project's own
# prefix for ARCH (win32 or win64) under $QUELLAR_WINE_HOME, so that every tool of a script
# (wine, wineserver, reg) reaches the same prefix.
wine_env() {
  QUELLAR_WINE_HOME=${QUELLAR_WINE_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/quellar}
  export QUELLAR_WINE_HOME WINEPREFIX="$QUELLAR_WINE_HOME/wine-$1" WINEARCH=$1
  export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # `wine` starts Wine's 32-bit loader first, which a kernel that runs no 32-bit programs
  # refuses: there the 64-bit loader runs the 64-bit programs alone.
  if [ "$1" = win64 ] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    # wineboot and the other tools start wine-stable; the loader finds its preloader beside
    # itself, so these start it where it lies.
    local tool
    mkdir -p "$QUELLAR_WINE_HOME/loader64"
    for tool in wine wine-stable; do
      printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$QUELLAR_WINE_HOME/loader64/$tool"
      chmod +x "$QUELLAR_WINE_HOME/loader64/$tool"
    done
    export PATH="$QUELLAR_WINE_HOME/loader64:$PATH" WINELOADER=/usr/lib/wine/wine64
  fi
}
