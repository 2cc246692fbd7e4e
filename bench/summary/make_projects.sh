#!/usr/bin/env bash
# Writes COUNT project files (default 10000) into DIR for timing the summary command:
#   bench/summary/make_projects.sh /tmp/many
#   farm-bench -n 10 --warmup 2 -- build/bin/vornexa --summary /tmp/many
# Development and longwall layouts alternate; every third one holds for a band of SigmaH.
set -euo pipefail
dir=${1:?usage: make_projects.sh DIR [COUNT]}
count=${2:-10000}
mkdir -p "$dir"
awk -v dir="$dir" -v count="$count" 'BEGIN {
    for (i = 0; i < count; i++) {
        file = sprintf("%s/p%05d.VRN", dir, i)
        plan = i % 2
        printf "VORN_201\r\n 0 \r\nProject %d, \"bench\"\r\n##StartDesc##\r\nGenerated\r\n" \
               "##EndDesc##\r\n %d \r\n %d \r\n%d\r\n%d\r\n%d\r\n%d\r\n %d \r\n%d\r\n 1 \r\n" \
               " %d \r\n %d \r\n 2 \r\n", i, plan, i % 4, i % 360, (i * 7) % 360, \
               (i * 7 + 90) % 360, (i * 7 + 270) % 360, i % 3 == 1, (i * 11) % 360, i % 5, \
               500 + i % 1000 > file
        if (i % 3 == 0) {
            printf "SigmaHTolerance=%d\r\n", 5 + i % 30 > file
        }
        close(file)
    }
}'
