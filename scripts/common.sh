# Shared by the project's scripts (and cmake/run-under-wine): usage and argument errors,
# prerequisites, quiet builds with a line of progress, the project's version, and Windows programs
# under Wine. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LOGS="$ROOT/build/logs"
# The i386 emulator install-prerequisites unpacks where the kernel refuses 32-bit programs.
QEMU_I386="$ROOT/build/qemu/qemu-i386"

# A line of progress, on standard error so that a script's own output stays clean.
step() {
  echo "$*" >&2
}

# Prints the usage text (the script's $USAGE) and exits: 0 for --help, 2 for a mistake.
usage_exit() {
  local status=$1
  shift
  if [ $# -gt 0 ]; then
    echo "$(basename "$0"): $*" >&2
    echo "$USAGE" >&2
  else
    echo "$USAGE"
  fi
  exit "$status"
}

# For scripts that take no arguments: --help, or nothing.
no_arguments() {
  case "${1:-}" in
    "") ;;
    -h | --help) usage_exit 0 ;;
    *) usage_exit 2 "unexpected argument '$1'" ;;
  esac
}

ensure_prerequisites() {
  "$ROOT/scripts/install-prerequisites"
}

# Stops at once, with the reason in words, where Wine is installed but cannot run by any means,
# rather than after minutes of building. WINE_RUNS_AS then says how it runs, e.g.
# "wine-8.0 (Debian 8.0~repack-4), emulated by qemu-i386 version 10.0.2".
ensure_wine_runs() {
  probe_wine
  [ "$WINE_STATUS" -eq 0 ] || { echo "$WINE_RUNS_AS" >&2; exit "$WINE_STATUS"; }
}

# Asks the same without stopping: WINE_STATUS is 0 where Wine runs, 3 where it cannot run by any
# means (WINE_RUNS_AS then says why, and what is missing), another number on other failures.
probe_wine() {
  WINE_STATUS=0
  WINE_RUNS_AS=$("$ROOT/cmake/run-under-wine" --check 2>&1) || WINE_STATUS=$?
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

# Runs a command with a line of progress at least every 10 s until it ends: the seconds so far
# and, where the function named first can tell, where the command is at.
with_progress() {
  local where=$1 status=0 ticker
  shift
  (
    started=$SECONDS
    # sleep holds none of the caller's output, so that a reader of a pipe is not kept waiting.
    while sleep 10 </dev/null >/dev/null 2>&1; do
      at=$("$where" 2>/dev/null) || at=
      step "   ... $((SECONDS - started)) s${at:+: $at}"
    done
  ) &
  ticker=$!
  "$@" || status=$?
  kill "$ticker" 2>/dev/null
  wait "$ticker" 2>/dev/null || true
  return $status
}

# Configures (once) and builds a CMake preset, with a line of progress when there is work to do.
build_preset() {
  local preset=$1 started=$SECONDS
  (
    cd "$ROOT"
    if [ ! -f "build/$preset/CMakeCache.txt" ]; then
      step "Configuring $preset (build/$preset)..."
      quietly "configure-$preset" cmake --preset "$preset"
    fi
    # A dry run always names the check of the globbed folders (and so a run of CMake): beyond
    # those lines there is work worth a line of progress. The build runs either way, so that a
    # file added to a globbed folder is built.
    if cmake --build --preset "$preset" -- -n 2>/dev/null |
      grep -v -e '^ninja: no work to do' -e 'Re-checking globbed directories' -e 'Re-running CMake' |
      grep -q .; then
      step "Building $preset (log: build/logs/build-$preset.log)..."
      quietly "build-$preset" cmake --build --preset "$preset"
      step "Built $preset in $((SECONDS - started)) s"
    else
      quietly "build-$preset" cmake --build --preset "$preset"
    fi
  )
}

# Runs a Windows program of the build, or anything else under Wine, in the build tree's own
# prefix, which cmake/run-under-wine creates once, gives a display and quiets.
run_windows() {
  WINEPREFIX="$ROOT/build/win32/wineprefix" "$ROOT/cmake/run-under-wine" "$@"
}

# The project's version as the build folder's CMake configuration holds it, e.g. 1.0.0.
project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}
