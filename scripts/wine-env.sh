# Sourced: a private Wine prefix and a virtual display for one run, and their clean-up.
# wine_env_start sets WINEPREFIX and DISPLAY; wine_env_stop ends the prefix's server and the display.
# `wine_env_start use-display` keeps the caller's $DISPLAY and starts no virtual display;
# `wine_env_start WIDTHxHEIGHT` starts one of that size instead of 1280x1024.

wine_env_start() {
  WINE_ENV_DIR=$(mktemp -d /tmp/medtool-wine.XXXXXX)
  export WINEPREFIX=$WINE_ENV_DIR/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  if [ "${1:-}" != use-display ]; then
    # A display of our own for the windows; the first free number from 71 on.
    local n=71
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    local size=1280x1024
    case "${1:-}" in [0-9]*x[0-9]*) size=$1 ;; esac
    Xvfb :$n -screen 0 ${size}x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_XVFB_PID=$!
    export DISPLAY=:$n
  fi
  # One persistent server for the whole run, started before the prefix is made.
  mkdir -p "$WINEPREFIX"
  wineserver -p
  wineboot -i >/dev/null 2>&1
  # Chinese text renders only with these replacements for the Windows fonts the program asks for.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft YaHei UI' /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Consolas' /d 'WenQuanYi Micro Hei Mono' /f >/dev/null 2>&1
}

wine_env_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${WINE_ENV_XVFB_PID:-}" ] && kill "$WINE_ENV_XVFB_PID" >/dev/null 2>&1 || true
  [ -n "${WINE_ENV_DIR:-}" ] && rm -rf "$WINE_ENV_DIR"
  WINE_ENV_XVFB_PID= WINE_ENV_DIR=
}
