#!/bin/sh
# The benchmark suite of `make bench`: generates the plate drawings, runs
# every bench on them with the peers in this one run, then prints the one
# table and writes bench/results/latest.json (zek-bench-report).
#   bench/run_suite.sh BUILD [OUT]
# BUILD is a Release build folder with the bench programs built; OUT
# (default out/bench) holds the drawings, the record file and the report.
# BENCH_SIZES (default "1000 10000 100000 1000000") and BENCH_REPEAT
# (default 5, at least 5 for the report's medians) override the defaults.
set -eu

BUILD=${1:?usage: bench/run_suite.sh BUILD [OUT]}
OUT=${2:-out/bench}
SIZES=${BENCH_SIZES:-1000 10000 100000 1000000}
REPEAT=${BENCH_REPEAT:-5}
HERE=$(cd "$(dirname "$0")" && pwd)
BIN=$BUILD/bench
RECORDS=$OUT/records.tsv
JSON=$HERE/results/latest.json

mkdir -p "$OUT/work" "$HERE/results"
: > "$RECORDS"
started=$(date +%s)
step() { echo "bench: $* ($(($(date +%s) - started)) s)" >&2; }

for n in $SIZES; do
  for version in R2004 R12; do
    step "writing plates-$n-$version.dxf"
    "$BIN/zek-bench-gen" --entities "$n" --version "$version" -o "$OUT/plates-$n-$version.dxf" >&2
  done
done

for n in $SIZES; do
  drawing=$OUT/plates-$n-R2004.dxf
  step "reading and writing $n entities (R2004), ours and the peers"
  "$BIN/zek-bench" --file "$drawing" --repeat "$REPEAT" --dir "$OUT/work" \
    --record "$RECORDS" > "$OUT/filing-$n-R2004.txt"
  # R12 repeats the comparison with fewer peers as the drawing grows, to keep
  # the suite within its time: ezdxf up to 10^4 entities, dxflib up to 10^5,
  # libdime (the fastest peer) at every size.
  if [ "$n" -le 10000 ]; then r12peers=dime,dxflib,ezdxf
  elif [ "$n" -le 100000 ]; then r12peers=dime,dxflib
  else r12peers=dime; fi
  step "reading and writing $n entities (R12), ours and $r12peers"
  "$BIN/zek-bench" --file "$OUT/plates-$n-R12.dxf" --repeat "$REPEAT" --dir "$OUT/work" \
    --peers "$r12peers" --record "$RECORDS" --tag R12 > "$OUT/filing-$n-R12.txt"
  for bench in select chain island render; do
    step "$bench on $n entities"
    "$BIN/zek-$bench-bench" --drawing "$drawing" --repeat "$REPEAT" --record "$RECORDS" \
      > "$OUT/$bench-$n.txt"
  done
done

step "ZEKXY on die plates of 100 to 10,000 holes"
"$BIN/zek-zekxy-bench" --holes 100,1000,10000 --repeat "$REPEAT" --folder "$OUT/work" \
  --record "$RECORDS" > "$OUT/zekxy.txt"
step "ZEKTABLE2 on die plates of 1,000 to 100,000 holes"
"$BIN/zek-zektable-bench" --holes 1000,10000,100000 --repeat "$REPEAT" --folder "$OUT/work" \
  --record "$RECORDS" > "$OUT/zektable.txt"

step "report"
"$BIN/zek-bench-report" "$RECORDS" --json "$JSON" | tee "$OUT/report.txt"
echo "bench: $(($(date +%s) - started)) s; records in $RECORDS, the report in $OUT/report.txt and $JSON" >&2
