#!/bin/sh
# Runs fuzz targets one after the other (`make fuzz`):
#   fuzz/run.sh BUILD SECONDS TARGET...
# from the top of the clone. Each target fuzzes a working copy of its corpus
# in BUILD/fuzz-corpus/<target> (new entries stay there, never in the repo)
# for SECONDS, with ../shared/dxf-samples as extra seeds of the DXF targets
# when it is there. Crashes, timeouts and memory blow-ups are written to
# fuzz/regressions/<target>/; the run then fails. Prints per target the
# executions per second and libFuzzer's coverage (cov: edges, ft: features).
set -u

build=$1
seconds=$2
shift 2
samples=../shared/dxf-samples
failed=""

for target in "$@"; do
  case "$target" in
    dxf_ascii|dxf_binary) max_len=65536 ;;
    definition_files) max_len=16384 ;;
    registry_file) max_len=8192 ;;
    lisp_reader) max_len=4096 ;;
    input_grammar) max_len=1024 ;;
    *) echo "fuzz: no target $target" >&2; exit 2 ;;
  esac
  program="$build/fuzz/fuzz_$target"
  work="$build/fuzz-corpus/$target"
  log="$build/fuzz-logs/$target.log"
  mkdir -p "$work" "$build/fuzz-logs" "fuzz/regressions/$target"
  cp fuzz/corpus/"$target"/* "$work"/ 2>/dev/null || true
  seeds=""
  case "$target" in
    dxf_ascii) [ -d "$samples" ] && seeds="$samples" ;;
    dxf_binary) [ -d "$samples/binary" ] && seeds="$samples/binary" ;;
  esac
  echo "fuzz: $target for ${seconds}s (log $log)"
  # shellcheck disable=SC2086
  "$program" -max_total_time="$seconds" -artifact_prefix="fuzz/regressions/$target/" \
    -rss_limit_mb=2048 -timeout=10 -max_len="$max_len" -print_final_stats=1 \
    "$work" $seeds >"$log" 2>&1
  status=$?
  execs=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
  corpus=$(ls "$work" | wc -l)
  echo "fuzz: $target: ${execs:-?} exec/s, ${runs:-?} runs, ${coverage:-no coverage line}, corpus $corpus"
  if [ "$status" -ne 0 ]; then
    echo "fuzz: $target FAILED (exit $status); the input is in fuzz/regressions/$target/:" >&2
    grep -E 'ERROR|SUMMARY|Test unit written|^[a-z].*: ' "$log" | grep -v '^stat::' | head -n 20 >&2
    failed="$failed $target"
  fi
done

if [ -n "$failed" ]; then
  echo "fuzz: findings in$failed; the replay tests fail until they are mended" >&2
  exit 1
fi
