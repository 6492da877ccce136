#!/usr/bin/env bash
# Cut-list figures, printed (never fails on a figure): a generated cut list of LINES lines
# (1,000,000 by default) weighed by `profile-weight weigh --list`, for each output format: wall
# time and peak memory; then the same for a list of 1,000 lines, to show that memory does not
# grow with the list (the list is read as a stream).
#
#   bench/cutlist.sh [BUILD_DIR] [LINES]      (an optimised build: the default RelWithDebInfo)
set -u
cd "$(dirname "$0")/.."
build=${1:-build}
lines=${2:-1000000}
program=$build/bin/profile-weight
[ -x "$program" ] || { echo "no $program: build it first"; exit 0; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every designation of the catalogue, then seeded lines over them: a header, a comment now and
# then, lengths with and without decimals, quantities left out or given.
"$program" catalogue --format csv | tail -n +2 | cut -d, -f1 > "$work/designations"
generate() {
  awk -v n="$1" -v seed=18 'BEGIN { srand(seed) }
    { d[m++] = $0 }
    END {
      print "designation,length,quantity"
      for (i = 0; i < n; i++) {
        if (i % 1000 == 999) print "# batch " i
        line = d[int(rand() * m)] "," int(rand() * 12000) + 100
        r = rand()
        if (r < 0.3) line = line "." int(rand() * 10)
        if (r < 0.8) line = line "," int(rand() * 40) + 1
        print line
      }
    }' "$work/designations"
}
generate "$lines" > "$work/big.csv"
generate 1000 > "$work/small.csv"
echo "cut list: $(wc -l < "$work/big.csv") lines, $(du -m "$work/big.csv" | cut -f1) MB;" \
  "load average $(cut -d' ' -f1 /proc/loadavg) on $(nproc) cores"

measure() {
  local list=$1 format=$2
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$program" weigh --list "$list" \
    --format "$format" > "$work/out" 2> "$work/err"
  local code=$?
  read -r seconds user system peak < "$work/time"
  echo "$(basename "$list" .csv) list, --format $format: $seconds s wall ($user s user," \
    "$system s system), peak memory $peak KiB, exit $code, $(wc -l < "$work/out") output lines"
}
for format in text csv json; do
  measure "$work/big.csv" "$format"
done
measure "$work/small.csv" text
start=$(date +%s%N)
generate "$lines" | "$program" weigh --list - > /dev/null
echo "generated and weighed through a pipe: $((($(date +%s%N) - start) / 1000000)) ms"
tail -n 1 "$work/out"
