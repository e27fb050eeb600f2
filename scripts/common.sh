# Shared by the project's scripts: prerequisites, quiet builds, Wine and a virtual display.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LOGS="$ROOT/build/logs"

ensure_prerequisites() {
  "$ROOT/scripts/install-prerequisites"
}

# Runs a command with its output in a log; shows the log only when the command fails.
quietly() {
  local name=$1
  shift
  mkdir -p "$LOGS"
  if ! "$@" >"$LOGS/$name.log" 2>&1; then
    echo "FAILED: $* (log: build/logs/$name.log)" >&2
    tail -n 60 "$LOGS/$name.log" >&2
    return 1
  fi
}

# Configures (once) and builds a CMake preset; extra arguments go to the configure step.
build_preset() {
  local preset=$1
  shift
  (
    cd "$ROOT"
    if [ ! -f "build/$preset/CMakeCache.txt" ] || [ $# -gt 0 ]; then
      quietly "configure-$preset" cmake --preset "$preset" "$@"
    fi
    quietly "build-$preset" cmake --build --preset "$preset"
  )
}

export WINEPREFIX="$ROOT/build/win32/wineprefix"
export WINEDEBUG=-all

# Creates the build tree's Wine prefix if it is not there yet.
ensure_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix (once, about 15 s)..." >&2
    wineboot --init >/dev/null 2>&1
    wineserver -w
  fi
}

# Starts a virtual X display for programs that need windows, and ends it (and the prefix's
# wineserver, which must not outlive its display) when the script exits. A wineserver that was
# started without a display gives no windows to later programs, so any running one is ended.
start_virtual_display() {
  [ -n "${OSTRAKIN_XVFB_PID:-}" ] && return 0
  local display
  for display in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
  done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  OSTRAKIN_XVFB_PID=$!
  export DISPLAY=":$display"
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
  done
  wineserver -k 2>/dev/null || true
  trap stop_virtual_display EXIT
}

stop_virtual_display() {
  wineserver -k 2>/dev/null || true
  [ -n "${OSTRAKIN_XVFB_PID:-}" ] && kill "$OSTRAKIN_XVFB_PID" 2>/dev/null || true
  OSTRAKIN_XVFB_PID=
}
