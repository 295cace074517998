#!/usr/bin/env bash
# The whole krvc process on one file: RUNS runs (default 15) of `krvc COMMAND FILE`, each timed with
# `date +%s%N` and, once more under /usr/bin/time -v, its peak resident memory. Prints the median and range of
# the wall-clock time, the peak memory, and the peak memory against the file's size.
#
#   bench/scripts/krvc_timing.sh KRVC FILE [COMMAND] [RUNS]
#
# The benchmarks' 32,767-item file (10.8 MB) is written by `build-release/bench_tree_file FILE`.
set -euo pipefail
krvc=$1
file=$2
command=${3:-stats}
runs=${4:-15}
times=()
for ((run = 0; run < runs; ++run)); do
    start=$(date +%s%N)
    "$krvc" "$command" "$file" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
done
read -r median low high < <(printf '%s\n' "${times[@]}" | sort -n |
    awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                             printf "%.1f %.1f %.1f\n", m / 1000, v[1] / 1000, v[NR] / 1000 }')
peak_kb=$(/usr/bin/time -v "$krvc" "$command" "$file" 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ { print $2 }')
file_bytes=$(stat -c %s "$file")
printf 'krvc %s %s (%d runs): median %s ms (range %s .. %s ms)\n' "$command" "$file" "$runs" "$median" "$low" "$high"
awk -v kb="$peak_kb" -v bytes="$file_bytes" \
    'BEGIN { printf "peak RSS %.1f MB, file %.1f MB, ratio %.2f\n", kb * 1024 / 1e6, bytes / 1e6, kb * 1024 / bytes }'
