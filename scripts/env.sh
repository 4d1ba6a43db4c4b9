# Sourced by the scripts: where things live and how Wine is run for this checkout.
ZARNITH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZARNITH_CACHE="$ZARNITH_ROOT/.cache"
ENGINE_DIR="$ZARNITH_CACHE/engine"
ENGINE_PACKAGE="chromium@3.2171.3008"
ENGINE_INTEGRITY="sha512-Yz3nlRUjgVNtiwqzc384w9wQOn/psf6c4IfInWk6hmGGO5v1a3mXnCq3hokanxG3/cZs7f4B+Ke4Y9YLP8WjWg=="
WINE_READY_STAMP="$ZARNITH_CACHE/wine/.ready"
SETUP_STAMP="$ZARNITH_CACHE/.setup-done"

# scripts/run-on-screen names the prefix of a Wine session of its own here.
export WINEPREFIX="${ZARNITH_SESSION_PREFIX:-$ZARNITH_CACHE/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko install dialogs: the launcher needs neither. No menu
# entries or icons on this machine for shortcuts made inside the prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=;winemenubuilder.exe=d}"

# Engine switches that only Wine needs (the engine crashes in text layout without them).
WINE_ENGINE_SWITCHES=(--disable-gpu --disable-direct-write)

die() { echo "error: $*" >&2; exit 1; }

# Starts a private Xvfb on the first free display number and exports DISPLAY;
# the screen is 1920x1080 unless a WIDTHxHEIGHT is given.
# Sets XVFB_PID; the caller stops it with stop_xvfb.
start_xvfb() {
  local size="${1:-1920x1080}" n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -ac >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      if [ -e "/tmp/.X11-unix/X$n" ]; then export DISPLAY=":$n"; return 0; fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
  done
  die "could not start Xvfb"
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# The demo publisher site; the launcher's built-in addresses point here
# (keep in step with the site address in the launcher's code).
DEMO_SITE_DIR="$ZARNITH_ROOT/demo-site"
DEMO_SITE_PORT=8610
