# Shared by the project's scripts (and cmake/run-under-wine): usage and argument errors,
# prerequisites, quiet builds with a line of progress, the project's version, and Windows programs
# under Wine. Sourced, not run.

# An exported CDPATH would make cd print the folder it found, or find another one.
unset CDPATH
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

# Runs a command with a line of progress every 8 s until it ends, e.g.
# "   ... building win32, 16 s: step 31 of 44": what it is doing, the seconds so far and, where the
# sed script finds one in the file the command writes, where it is at (the latest one found).
#   with_progress WHAT FILE SED-SCRIPT COMMAND...
with_progress() {
  local what=$1 file=$2 script=$3 status=0 ticker
  shift 3
  (
    # The pause ends with the ticker: nothing of it outlives the command, holding the caller's
    # output (a reader of a pipe would wait on it) or a lock's descriptor.
    trap 'kill "$pause" 2>/dev/null; exit 0' TERM
    started=$SECONDS
    while :; do
      sleep 8 </dev/null >/dev/null 2>&1 &
      pause=$!
      wait "$pause"
      at=$(sed -n "$script" "$file" 2>/dev/null | tail -n 1) || at=
      step "   ... $what, $((SECONDS - started)) s${at:+: $at}"
    done
  ) &
  ticker=$!
  "$@" || status=$?
  kill "$ticker" 2>/dev/null
  wait "$ticker" 2>/dev/null || true
  return $status
}

# Configures (once) and builds a CMake preset, or only the targets named: ninja's step count every
# 8 s while it builds, and a line at the end when it built anything. (No line ahead: with
# globbed folders, ninja's dry run shows only the check of the folders, not the work.)
#   build_preset PRESET [TARGET...]
build_preset() {
  local preset=$1 started=$SECONDS steps
  local log="$LOGS/build-$preset.log" step_count='s|^\[\([0-9]*\)/\([0-9]*\)\] .*|step \1 of \2|p'
  shift
  (
    cd "$ROOT"
    if [ ! -f "build/$preset/CMakeCache.txt" ]; then
      step "Configuring $preset (build/$preset)..."
      quietly "configure-$preset" cmake --preset "$preset"
    fi
    with_progress "building $preset" "$log" "$step_count" \
      quietly "build-$preset" cmake --build --preset "$preset" ${1+--target "$@"}
    steps=$(grep -c -v -e 'Re-checking globbed directories' -e 'Re-running CMake' \
      -e '^ninja: no work to do' "$log") || true
    [ "$steps" -eq 0 ] || step "Built $preset${1+ ($*)} in $((SECONDS - started)) s"
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
