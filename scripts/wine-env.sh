# Sourced by wine-run and the Wine test scripts: wine_env ARCH points Wine at the project's own
# prefix for ARCH (win32 or win64) under $QUELLAR_WINE_HOME, so that every tool of a script
# (wine, wineserver, reg) reaches the same prefix.
wine_env() {
  QUELLAR_WINE_HOME=${QUELLAR_WINE_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/quellar}
  export QUELLAR_WINE_HOME WINEPREFIX="$QUELLAR_WINE_HOME/wine-$1" WINEARCH=$1
  export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}
