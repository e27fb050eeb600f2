# Shared by the project's scripts (and cmake/run-under-wine): usage and argument errors,
# prerequisites, owning what a script starts, quiet builds with a line of progress, the project's
# version, and Windows programs under Wine. Sourced, not run.
#
# Functions here report failure by their status, and check every status they depend on
# themselves: bash switches `set -e` off inside any command whose status is tested
# (`f || exit 1`), so nothing here may rely on it.

# An exported CDPATH would make cd print the folder it found, or find another one.
unset CDPATH
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# CMake reads [ ] * ? in a path as a pattern where it globs the sources, and windres hands the
# path to a shell that a ' breaks: such a checkout would build wrongly or not at all.
case "$ROOT" in
  *[][*?\']*)
    echo "$(basename "$0"): the checkout's path $ROOT holds [, ], *, ? or ', which CMake and windres" \
      "misread; clone it into a path without them." >&2
    exit 2
    ;;
esac
LOGS="$ROOT/build/logs"
# The i386 emulator install-prerequisites unpacks where the kernel refuses 32-bit programs, or
# where OSTRAKIN_WINE=emulated asks for it.
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

# ---- A script owns what it starts ----
# Every process a script starts carries its mark: OSTRAKIN_OWNERS lists the scripts it was
# started from, and every child inherits it, even one that Wine detaches from its parent. On
# every way out (the end, a failure, Ctrl-C, SIGTERM, SIGHUP) the script ends the processes of its
# session that carry its own mark, then runs what at_exit registered; the locks it held were its
# descriptors, and go with it. What is meant to outlive a run starts in a session of its own
# (setsid): the shared virtual display and its watchdog, and Wine's wineserver and services, which
# every run in the prefix shares and which end by themselves. After a signal the script ends by
# the same signal (status 130 for Ctrl-C, 143 for SIGTERM, 129 for SIGHUP).
# A script started in the background of another (`cmd &` in a script, where the shell hands it
# SIGINT ignored, which bash can then never trap) takes Ctrl-C as from a terminal: ninja and Wine
# catch SIGINT themselves, so the script would otherwise see its build fail and say so, where it
# is being stopped. Started again, once, with SIGINT as a terminal gives it.
if [ "$(trap -p INT)" = "trap -- '' SIGINT" ] && [ -z "${OSTRAKIN_SIGINT_RESET:-}" ]; then
  OSTRAKIN_SIGINT_RESET=yes exec perl -e '$SIG{INT} = "DEFAULT"; exec { $ARGV[0] } @ARGV or die "$ARGV[0]: $!\n"' \
    "$BASH" "$0" "$@"
fi
unset OSTRAKIN_SIGINT_RESET
export OSTRAKIN_OWNERS="${OSTRAKIN_OWNERS:-:}$$:"
OWN_SESSION=$(read -r stat <"/proc/$$/stat" && set -- ${stat##*) } && echo "$4")
AT_EXIT=()
ENDED=no

# Runs COMMAND (words, evaluated) when the script ends, however it ends, with EXIT_STATUS set to
# the script's exit status; the last registered runs first.
at_exit() {
  AT_EXIT=("$1" ${AT_EXIT[@]+"${AT_EXIT[@]}"})
}

# The processes this script started that still run (not itself, nor the caller of this function):
# those of its session that carry its mark, and its own subshells, which carry only the
# environment the script itself started with.
owned_processes() {
  local entry pid stat fields environment variable parent added=yes
  local -A parent_of=() owned=()
  for entry in /proc/[0-9]*; do
    pid=${entry#/proc/}
    [ "$pid" != $$ ] && [ "$pid" != "$BASHPID" ] || continue
    { read -r stat <"$entry/stat"; } 2>/dev/null || continue
    read -r -a fields <<<"${stat##*) }"  # state, parent, group, session, ...
    [ "${fields[3]}" = "$OWN_SESSION" ] || continue
    parent_of[$pid]=${fields[1]}
    { mapfile -d '' environment <"$entry/environ"; } 2>/dev/null || continue
    for variable in ${environment[@]+"${environment[@]}"}; do
      [[ "$variable" != OSTRAKIN_OWNERS=*":$$:"* ]] || owned[$pid]=1
    done
  done
  while [ $added = yes ]; do
    added=no
    for pid in "${!parent_of[@]}"; do
      parent=${parent_of[$pid]}
      if [ -z "${owned[$pid]:-}" ] && { [ "$parent" = $$ ] || [ -n "${owned[$parent]:-}" ]; }; then
        owned[$pid]=1 added=yes
      fi
    done
  done
  for pid in "${!owned[@]}"; do
    if [ "$pid" != "$BASHPID" ]; then echo "$pid"; fi
  done
}

# Whether a process still runs: one that ended but is not yet reaped (a zombie) does not.
running() {
  local stat
  { read -r stat <"/proc/$1/stat"; } 2>/dev/null && [[ "${stat##*) }" != Z* ]]
}

# Ends what the script started: SIGTERM, up to 5 s to go, then SIGKILL; then the at_exit commands.
end_owned_work() {
  local pids alive pid _
  [ $ENDED = no ] || return 0
  ENDED=yes
  pids=$(owned_processes)
  if [ -n "$pids" ]; then
    # shellcheck disable=SC2086
    kill -TERM $pids 2>/dev/null || true
    for _ in $(seq 1 50); do
      alive=
      for pid in $pids; do running "$pid" && alive+=" $pid"; done
      [ -n "$alive" ] || break
      sleep 0.1
    done
    [ -z "$alive" ] || kill -KILL $alive 2>/dev/null || true
    pids=$(owned_processes)
    [ -z "$pids" ] || kill -KILL $pids 2>/dev/null || true
  fi
  local command
  for command in ${AT_EXIT[@]+"${AT_EXIT[@]}"}; do
    eval "$command" || true
  done
}

# A signal that comes while the clean-up runs (the script was exiting, or took a signal already)
# does not cut it short: the clean-up runs to its end, then the script ends by the first signal.
SIGNALLED=
on_signal() {
  SIGNALLED=${SIGNALLED:-$1}
  [ $ENDED = no ] || return 0
  set +e  # on the way out, a process that ended meanwhile must not stop the rest
  EXIT_STATUS=$((128 + $(kill -l "$1")))
  end_owned_work
  end_by_signal
}
end_by_signal() {
  trap - "$SIGNALLED" EXIT
  kill -s "$SIGNALLED" $$
  exit $((128 + $(kill -l "$SIGNALLED")))  # where the signal was ignored when the script started
}
on_exit() {
  EXIT_STATUS=$1
  set +e
  end_owned_work
  [ -z "$SIGNALLED" ] || end_by_signal
}
trap 'on_exit $?' EXIT
trap 'on_signal INT' INT
trap 'on_signal TERM' TERM
trap 'on_signal HUP' HUP
trap 'on_signal PIPE' PIPE

# Runs a command (or a function) in the background and waits for it, with the same standard
# input: a signal then reaches the script's trap at once, where a command in the foreground would
# hold it back until it ends. Its status is the command's.
run_owned() {
  "$@" <&0 &
  wait $!
}

# Closes every descriptor but the standard three, in a subshell: a process meant to outlive
# what started it, or to tick beside it, must not hold its locks or its pipes.
close_inherited_descriptors() {
  local fd
  for fd in /proc/$BASHPID/fd/*; do
    fd=${fd##*/}
    [ "$fd" -le 2 ] || [ ! -L "/proc/$BASHPID/fd/$fd" ] || eval "exec $fd>&-"
  done
}

# Runs a command that holds none of this shell's descriptors but the standard three, in the
# subshell run_owned (or `&`) gives it: a lock must not outlive the run through it.
without_inherited_descriptors() {
  close_inherited_descriptors
  exec "$@"
}

ensure_prerequisites() {
  run_owned "$ROOT/scripts/install-prerequisites"
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

# Runs a command with its output in a log; shows the log only when the command fails, from this
# shell, which a signal ends first: nothing is said of a command that a signal stopped.
quietly() {
  local name=$1
  shift
  mkdir -p "$LOGS" || return 1
  if ! run_owned "$@" >"$LOGS/$name.log" 2>&1; then
    echo "FAILED: $* (log: build/logs/$name.log)" >&2
    tail -n 60 "$LOGS/$name.log" >&2
    return 1
  fi
}

# Runs a command in the checkout's top folder, where the CMake presets are.
in_root() {
  (cd "$ROOT" && "$@")
}

# Whether standard output is a pipe whose reader has gone.
stdout_reader_gone() {
  [ -p /dev/stdout ] && perl -MIO::Poll=POLLERR,POLLOUT -e '$p = IO::Poll->new;
    $p->mask(\*STDOUT => POLLOUT); $p->poll(0); exit !($p->events(\*STDOUT) & POLLERR)'
}

# Runs TICK... in the background once a second for as long as the calling shell lives (within a
# second of its end, however it ends), holding none of its descriptors (a lock, a pipe someone
# reads to its end); TICKER is its pid, for stop_ticker. TICK runs in that background shell, and
# may keep its own variables there; STARTED is the second the ticker started.
start_ticker() {
  local caller=$BASHPID
  (
    close_inherited_descriptors
    STARTED=$SECONDS
    while sleep 1 && kill -0 "$caller" 2>/dev/null; do
      # Piped into a reader that has gone (`| head`), the script would write into the closed
      # pipe only when its command ends: it takes the broken pipe now.
      if stdout_reader_gone; then
        kill -PIPE $$
        exit
      fi
      "$@"
    done
  ) &
  TICKER=$!
}
stop_ticker() {
  kill "$TICKER" 2>/dev/null || true
  wait "$TICKER" 2>/dev/null || true
}

# Every 8th second, a line: what is going on, the seconds so far and, where the sed script finds
# one in the file, where it is at (the latest one found).
progress_tick() {
  local at
  TICKS=$((${TICKS:-0} + 1))
  [ $((TICKS % 8)) -eq 0 ] || return 0
  at=$(sed -n "$3" "$2" 2>/dev/null | tail -n 1) || at=
  step "   ... $1, $((SECONDS - STARTED)) s${at:+: $at}"
}

# Runs a command with a line of progress every 8 s until it ends, e.g.
# "   ... building win32, 16 s: step 31 of 44". The command runs in this shell: one that takes
# long waits through run_owned (or quietly), so that a signal ends the script at once, before
# anything it would say of the command's end.
#   with_progress WHAT FILE SED-SCRIPT COMMAND...
with_progress() {
  local what=$1 file=$2 script=$3 status=0
  shift 3
  start_ticker progress_tick "$what" "$file" "$script"
  "$@" || status=$?
  stop_ticker
  return $status
}

# Configures (once) and builds a CMake preset, or only the targets named: ninja's step count every
# 8 s while it builds, and a line at the end when it built anything. (No line ahead: with
# globbed folders, ninja's dry run shows only the check of the folders, not the work.) One build
# of a preset at a time: a second waits for the first, saying so, then builds what is left.
#   build_preset PRESET [TARGET...]
build_preset() {
  local preset=$1 lock status=0
  shift
  mkdir -p "$LOGS" || return 1
  exec {lock}>"$ROOT/build/$preset.build-lock" || return 1
  chmod 600 "$ROOT/build/$preset.build-lock" 2>/dev/null || true  # flock needs only reading
  if ! flock -n "$lock"; then
    step "Another run is building $preset (build/$preset); waiting for it to finish..."
    with_progress "waiting for the other build of $preset" "$LOGS/build-$preset.log" \
      "$STEP_COUNT" run_owned flock "$lock" || status=1
  fi
  [ $status -ne 0 ] || build_preset_now "$preset" "$@" || status=1
  exec {lock}>&-
  return $status
}
STEP_COUNT='s|^\[\([0-9]*\)/\([0-9]*\)\] .*|step \1 of \2|p'

build_preset_now() {
  local preset=$1 started=$SECONDS steps
  shift
  # A configure that stopped half-way leaves no build.ninja, and is done again.
  if [ ! -f "$ROOT/build/$preset/build.ninja" ]; then
    step "Configuring $preset (build/$preset)..."
    with_progress "configuring $preset" /dev/null "" \
      quietly "configure-$preset" in_root cmake --preset "$preset" || return 1
  fi
  with_progress "building $preset" "$LOGS/build-$preset.log" "$STEP_COUNT" \
    quietly "build-$preset" in_root cmake --build --preset "$preset" ${1+--target "$@"} || return 1
  steps=$(grep -c -v -e 'Re-checking globbed directories' -e 'Re-running CMake' \
    -e '^ninja: no work to do' "$LOGS/build-$preset.log") || true
  [ "$steps" -eq 0 ] || step "Built $preset${1+ ($*)} in $((SECONDS - started)) s"
}

# Runs a Windows program of the build, or anything else under Wine, in the build tree's own
# prefix, which cmake/run-under-wine creates once, gives a display and quiets.
run_windows() {
  WINEPREFIX="$ROOT/build/win32/wineprefix" "$ROOT/cmake/run-under-wine" "$@"
}

# The first byte of an X server's answer to a client that offers COOKIE (hex; none when left
# out) on display NUMBER: 1 when it admits the client, 0 when it refuses; nothing when none answers.
x_admits() {
  perl -MIO::Socket::UNIX -e '
    my ($number, $cookie) = @ARGV;
    my $x = IO::Socket::UNIX->new(Peer => "/tmp/.X11-unix/X$number") or exit 1;
    my ($name, $data) = $cookie ? ("MIT-MAGIC-COOKIE-1", pack("H*", $cookie)) : ("", "");
    print $x pack("A1 x v v v v x2", "l", 11, 0, length $name, length $data),
      $name, "\0" x (-length($name) % 4), $data, "\0" x (-length($data) % 4);
    read($x, my $reply, 1) == 1 or exit 1;
    print ord $reply;' "$@"
}

# The project's version as the build folder's CMake configuration holds it, e.g. 1.0.0.
project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}
