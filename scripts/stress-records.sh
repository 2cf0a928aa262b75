#!/usr/bin/env bash
# Saves of several processes into one record file at the same moment, in both builds: P record_stress
# processes (tests/stress/) each make N saves of one tool into a fresh folder, started together through
# a start file; record_stress_check then wants one byte-order mark and header at the start and every
# save reported saved there once as a whole line, nothing torn. The same with one of the P processes
# unable to write (a file-size limit of 0, SIGXFSZ ignored; under Wine the limit holds for the Windows
# process too): its saves must be reported failed and the others' lines all there. Last, a process
# holding the file's lock is killed: while it lives a save must fail after its bounded wait, and the
# save after the kill must succeed.
# Usage: stress-records.sh [--procs P] [--saves N] [--runs R] [--only native|win]
# Needs build/native built, and build/win unless --only native. Uses the Wine prefix of $WINEPREFIX
# (scripts/test.sh prepares one), or prepares its own. Exits 1 on a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
procs=4 saves=200 runs=1 only=
while [ $# -gt 0 ]; do
  case $1 in
    --procs) procs=$2; shift 2 ;;
    --saves) saves=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --only) only=$2; shift 2 ;;
    *) echo "usage: $0 [--procs P] [--saves N] [--runs R] [--only native|win]" >&2; exit 2 ;;
  esac
done
native=build/native/tests/stress
win=build/win/tests/stress
check=$native/record_stress_check
builds=()
if [ "$only" != win ]; then builds+=(native); fi
if [ "$only" != native ]; then builds+=(win); fi
work=$(mktemp -d /tmp/medtool-stress.XXXXXX)
trap 'rm -rf "$work"; if [ -n "${WINE_ENV_DIR:-}" ]; then wine_env_stop; fi' EXIT
if [[ " ${builds[*]} " == *" win "* ]] && [ -z "${WINEPREFIX:-}" ]; then
  source scripts/wine-env.sh
  wine_env_start use-display
fi
faults=0
echo "== record saves of several processes at once (${builds[*]})"

# Sets cmd to the record_stress command of build $1 with the folder $2 and the rest of the arguments.
# Windows paths name the same Unix folder through Wine's drive Z:.
stress_command() {
  local build=$1 folder=$2
  shift 2
  if [ "$build" = native ]; then
    cmd=("$native/record_stress" "$folder" "$@")
  else
    cmd=(wine "$win/record_stress.exe" "Z:${folder//\//\\}" "$@")
    if [ $# -eq 3 ]; then cmd[5]="Z:${3//\//\\}"; fi
  fi
}

# One run of build $1: $procs processes of $saves saves; with $2 = failing, process 0 cannot write.
run_set() {
  local build=$1 failing=${2:-} dir
  dir=$(mktemp -d "$work/run.XXXXXX")
  local reports=()
  for ((p = 0; p < procs; p++)); do
    if [ "$failing" = failing ] && [ $p -eq 0 ]; then
      # Through a pipe: the limit stops every write to a regular file, the report's too.
      stress_command "$build" "$dir" $p "$saves" "$dir/go"
      ( trap '' XFSZ; ulimit -f 0; exec "${cmd[@]}" ) | cat > "$dir/report$p" &
      reports+=("fail:$dir/report$p")
    else
      stress_command "$build" "$dir" $p "$saves" "$dir/go"
      "${cmd[@]}" > "$dir/report$p" &
      reports+=("$dir/report$p")
    fi
  done
  sleep $([ "$build" = native ] && echo 0.3 || echo 1.5)  # every process started and waiting
  touch "$dir/go"
  wait
  local counts
  if counts=$("$check" "$dir/KavriMedSuite/records/T009.csv" "$saves" "${reports[@]}" 2>"$dir/faults"); then
    echo "$build ${procs}x$saves${failing:+, process 0 failing}: $counts"
  else
    echo "FAULT $build ${procs}x$saves${failing:+, process 0 failing}: $counts"
    cat "$dir/faults"
    faults=$((faults + 1))
  fi
  rm -rf "$dir"
}

# A process of build $1 takes the lock and is killed: a save waits out its bound and fails while the
# holder lives, and succeeds once it is dead.
run_killed_holder() {
  local build=$1 dir holder
  dir=$(mktemp -d "$work/held.XXXXXX")
  stress_command "$build" "$dir" 9 hold
  "${cmd[@]}" > "$dir/holder" &
  holder=$!
  for ((i = 0; i < 300; i++)); do grep -qs holding "$dir/holder" && break; sleep 0.1; done
  local during after ms
  stress_command "$build" "$dir" 8 1
  during=$("${cmd[@]}" | tr -d '\r')
  kill -9 $holder 2>/dev/null || true
  wait $holder 2>/dev/null || true
  ms=$(date +%s%N)
  stress_command "$build" "$dir" 7 1
  after=$("${cmd[@]}" | tr -d '\r')
  ms=$((($(date +%s%N) - ms) / 1000000))
  local lines
  lines=$(grep -c 'P[0-9]-S' "$dir/KavriMedSuite/records/T009.csv" || true)
  if grep -qs holding "$dir/holder" && [ "$during" = "failed P8-S0000 3" ] && [ "$after" = "saved P7-S0000" ] &&
     grep -q $',P7-S0000\r$' "$dir/KavriMedSuite/records/T009.csv" && [ "$lines" = 2 ]; then
    echo "$build killed lock holder: the save while it held failed, the save after the kill saved (${ms} ms)"
  else
    echo "FAULT $build killed lock holder: holder \"$(tr '\n' ' ' < "$dir/holder")\", while held \"$during\"," \
         "after the kill \"$after\", $lines record lines"
    faults=$((faults + 1))
  fi
  rm -rf "$dir"
}

for build in "${builds[@]}"; do
  for ((r = 0; r < runs; r++)); do
    run_set "$build"
    run_set "$build" failing
  done
  run_killed_holder "$build"
done
[ $faults -eq 0 ]
