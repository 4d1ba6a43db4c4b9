# Sourced by scripts/test and scripts/bench: a private X display and a Wine
# session on it in which programs that show windows can run one after another.
# Needs env.sh. start_wine_session sets DISPLAY; stop_wine_session undoes it all.

X11_DRIVER_KEY='HKCU\Software\Wine\X11 Driver'
EXPLORER_KEY='HKCU\Software\Wine\Explorer'

# ZARNITH_WINE_DESKTOP=WIDTHxHEIGHT runs every program of the session inside one
# Wine virtual desktop of that size (Wine then manages the windows itself)
# instead of as unmanaged windows on the bare X server.
set_wine_desktop() {
  if [ -n "${ZARNITH_WINE_DESKTOP:-}" ]; then
    wine reg add "$EXPLORER_KEY" /v Desktop /d Default /f </dev/null >/dev/null 2>&1 || true
    wine reg add "$EXPLORER_KEY\Desktops" /v Default /d "$1" /f </dev/null >/dev/null 2>&1 || true
  else
    wine reg delete "$EXPLORER_KEY" /v Desktop /f </dev/null >/dev/null 2>&1 || true
  fi
}

# The desktop process (explorer.exe) starts with the first window of a
# session and inherits that process's standard error, so a program that shows
# a window would leave its output pipe open for as long as the desktop lives.
# Start it here, with no inherited output, and keep it until the end: it lives
# as long as the start.exe that waits for it, which also keeps its desktop in use.
# Wine's own start-up makes a desktop that ends a second after its last user
# has gone; one started meanwhile gives way to it at once, so try again after that.
start_wine_desktop() {
  local attempt pid
  for attempt in $(seq 1 10); do
    wine explorer.exe /desktop </dev/null >/dev/null 2>&1 &
    pid=$!
    sleep 1
    kill -0 "$pid" 2>/dev/null && return 0
    sleep 1
  done
  echo "warning: Wine's desktop process did not stay; programs may keep their output open longer" >&2
}

start_wine_session() {
  start_xvfb
  # Start Wine's own background processes with no inherited output, so that
  # they do not hold a program's output pipe open after it has ended.
  # (-p fails when a server already runs for this prefix; that server then serves.)
  wineserver -p || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  # No window manager runs on this display: Wine's windows are left unmanaged, or
  # Wine waits two seconds for a window manager each time an activated window is
  # hidden or destroyed. The setting is undone on exit, for runs on a real desktop.
  wine reg add "$X11_DRIVER_KEY" /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
  set_wine_desktop "${ZARNITH_WINE_DESKTOP:-}"
  start_wine_desktop
}

stop_wine_session() {
  wine reg delete "$X11_DRIVER_KEY" /v Managed /f </dev/null >/dev/null 2>&1 || true
  ZARNITH_WINE_DESKTOP= set_wine_desktop
  wineserver -k 2>/dev/null || true
  stop_xvfb
}
